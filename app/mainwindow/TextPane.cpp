#include "app/mainwindow/TextPane.h"

#include "app/mainwindow/ToolbarIcons.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QMenu>
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
    , m_editor(new QTextEdit(this))
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
