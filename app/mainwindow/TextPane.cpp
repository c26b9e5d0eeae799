#include "app/mainwindow/TextPane.h"

#include "app/mainwindow/OverlongWordWrap.h"
#include "app/mainwindow/PaneEditor.h"
#include "app/mainwindow/ToolbarIcons.h"
#include "app/rtf/RtfWriter.h"
#include "app/rtf/TextFileReader.h"
#include "app/shell/FileDialogs.h"
#include "app/shell/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace quendry {

TextPane::TextPane(Pane pane, QWidget* parent)
    : QWidget(parent)
    , m_pane(pane)
    , m_toolbar(new QToolBar(this))
    , m_editor(new PaneEditor(this))
{
    const bool upper = pane == Pane::Upper;
    setObjectName(upper ? QStringLiteral("upperPane") : QStringLiteral("lowerPane"));
    m_editor->setObjectName(upper ? QStringLiteral("upperEditor") : QStringLiteral("lowerEditor"));
    m_toolbar->setObjectName(upper ? QStringLiteral("upperToolbar") : QStringLiteral("lowerToolbar"));

    m_toolbar->setFixedHeight(toolbarHeight);
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);

    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(11);
    m_editor->setFont(font);
    m_editor->setAcceptRichText(true);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this, &TextPane::showContextMenu);
    new OverlongWordWrap(m_editor);
    // Queued: the drop is over, and its source free again, before the pane asks or tells anything.
    connect(static_cast<PaneEditor*>(m_editor), &PaneEditor::filesDropped, this, &TextPane::openDroppedFiles,
        Qt::QueuedConnection);

    QAction* clear = addToolbarAction(ToolbarIcons::clear(), QStringLiteral("Clear"), QStringLiteral("clearAction"));
    connect(clear, &QAction::triggered, this, &TextPane::clearText);
    QAction* copy = addToolbarAction(ToolbarIcons::copy(), QStringLiteral("Copy to Clipboard"),
        QStringLiteral("copyAction"));
    connect(copy, &QAction::triggered, m_editor, &QTextEdit::copy);
    QAction* paste = addToolbarAction(ToolbarIcons::paste(), QStringLiteral("Paste from Clipboard"),
        QStringLiteral("pasteAction"));
    connect(paste, &QAction::triggered, m_editor, &QTextEdit::paste);
    QAction* undo = addToolbarAction(ToolbarIcons::undo(), QStringLiteral("Undo"), QStringLiteral("undoAction"));
    connect(undo, &QAction::triggered, m_editor, &QTextEdit::undo);

    auto* gap = new QWidget(m_toolbar);
    gap->setFixedWidth(8);
    m_toolbar->addWidget(gap);

    QAction* saveSample = addToolbarAction(ToolbarIcons::saveSample(), QStringLiteral("Save sample as..."),
        QStringLiteral("saveSampleAction"));
    connect(saveSample, &QAction::triggered, this, [this] { emit saveSampleRequested(m_pane); });

    auto* secondGap = new QWidget(m_toolbar);
    secondGap->setFixedWidth(8);
    m_toolbar->addWidget(secondGap);
    m_openAction = addToolbarAction(ToolbarIcons::open(), QStringLiteral("Open..."), QStringLiteral("openAction"));
    connect(m_openAction, &QAction::triggered, this, &TextPane::chooseFileToOpen);
    m_saveAsAction = addToolbarAction(ToolbarIcons::saveAs(), QStringLiteral("Save as..."), QStringLiteral("saveAsAction"));
    connect(m_saveAsAction, &QAction::triggered, this, &TextPane::chooseFileToSave);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_editor, 1);

    applyTextColor();
}

QTextDocument* TextPane::document() const
{
    return m_editor->document();
}

void TextPane::setTextColor(ColorValue color)
{
    m_textColor = color;
    applyTextColor();
}

QMenu* TextPane::createContextMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(m_pane == Pane::Upper ? QStringLiteral("upperContextMenu") : QStringLiteral("lowerContextMenu"));
    menu->addAction(QStringLiteral("Отменить"), m_editor, &QTextEdit::undo);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Вырезать"), m_editor, &QTextEdit::cut);
    if (m_pane == Pane::Upper)
        menu->addAction(QStringLiteral("Копировать"), this, &TextPane::copySelectionAsPlainText);
    else
        menu->addAction(QStringLiteral("Копировать"), m_editor, &QTextEdit::copy);
    menu->addAction(QStringLiteral("Вставить"), m_editor, &QTextEdit::paste);
    menu->addAction(QStringLiteral("Удалить"), this, &TextPane::deleteSelection);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Выделить всё"), m_editor, &QTextEdit::selectAll);
    menu->addSeparator();
    menu->addAction(m_openAction);
    menu->addAction(m_saveAsAction);
    return menu;
}

void TextPane::clearText()
{
    // Through a cursor rather than QTextEdit::clear(), which would also wipe the undo history.
    // The new text typed afterwards starts plain, not in the removed text's format.
    QTextCursor cursor(m_editor->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockCharFormat(QTextCharFormat());
    cursor.endEditBlock();
    m_editor->setCurrentCharFormat(QTextCharFormat());
}

void TextPane::replaceContent(const QTextDocument& source)
{
    QTextCursor cursor(m_editor->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    // The first paragraph takes the source's paragraph and character format, not the old text's.
    const QTextBlock first = source.firstBlock();
    cursor.setBlockFormat(first.blockFormat());
    cursor.setBlockCharFormat(first.charFormat());
    cursor.insertFragment(QTextDocumentFragment(&source));
    cursor.endEditBlock();
    m_editor->moveCursor(QTextCursor::Start);
}

bool TextPane::openFile(const QString& path)
{
    QTextDocument read;
    const TextFileReader::Result result = TextFileReader::read(path, read);
    if (result.error) {
        MessageBox::error(this, *result.error);
        return false;
    }
    replaceContent(read);
    if (result.incomplete)
        MessageBox::warning(this, *result.incomplete + QStringLiteral("\n\nThe pane shows the text that could be read."));
    return true;
}

void TextPane::chooseFileToOpen()
{
    const QString path = FileDialogs::openFileName(this, QStringLiteral("Open"), FileDialogs::openTextFilter());
    if (!path.isEmpty())
        openFile(path);
}

void TextPane::chooseFileToSave()
{
    const QString path = FileDialogs::saveFileName(this, QStringLiteral("Save as"), FileDialogs::saveTextFilter());
    if (path.isEmpty())
        return;
    if (const auto error = saveToFile(path))
        MessageBox::error(this, *error);
}

std::optional<QString> TextPane::saveToFile(const QString& path) const
{
    QByteArray bytes;
    if (path.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive)) {
        bytes = RtfWriter().write(*m_editor->document());
    } else {
        // The raw text keeps no-break spaces, which toPlainText() would turn into spaces.
        QString text = m_editor->document()->toRawText();
        text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
        text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
        bytes = text.toUtf8();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}

void TextPane::openDroppedFiles(const QStringList& paths)
{
    if (paths.size() != 1) {
        MessageBox::error(this, QStringLiteral("Drop one file at a time: a pane holds one text."));
        return;
    }
    openFile(paths.first());
}

void TextPane::copySelectionAsPlainText()
{
    QApplication::clipboard()->setText(m_editor->textCursor().selection().toPlainText());
}

void TextPane::deleteSelection()
{
    m_editor->textCursor().removeSelectedText();
}

void TextPane::changeEvent(QEvent* event)
{
    // A desktop colour is taken from the palette, so it must follow a change of theme.
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        && m_textColor.followsPalette()) {
        applyTextColor();
    }
    QWidget::changeEvent(event);
}

void TextPane::showContextMenu(const QPoint& position)
{
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_editor->viewport()->mapToGlobal(position));
}

void TextPane::applyTextColor()
{
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Text, m_textColor.toColor(QApplication::palette()));
    m_editor->setPalette(palette);
}

QAction* TextPane::addToolbarAction(const QIcon& icon, const QString& hint, const QString& objectName)
{
    QAction* action = m_toolbar->addAction(icon, hint);
    action->setToolTip(hint);
    action->setObjectName(objectName);
    return action;
}

} // namespace quendry
