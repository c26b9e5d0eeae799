#include "samples/SampleEditor.h"

#include "app/mainwindow/OverlongWordWrap.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace quendry {

SampleEditor::SampleEditor(QWidget* parent)
    : QTextEdit(parent)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(11);
    setFont(font);
    setAcceptRichText(true);
    new OverlongWordWrap(this);
}

QMenu* SampleEditor::createContextMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("sampleEditorMenu"));
    menu->addAction(QStringLiteral("Отменить"), this, &QTextEdit::undo);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Вырезать"), this, &QTextEdit::cut);
    menu->addAction(QStringLiteral("Копировать"), this, &QTextEdit::copy);
    menu->addAction(QStringLiteral("Вставить"), this, &QTextEdit::paste);
    menu->addAction(QStringLiteral("Удалить"), this, &SampleEditor::deleteSelection);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Выделить всё"), this, &QTextEdit::selectAll);
    return menu;
}

void SampleEditor::deleteSelection()
{
    textCursor().removeSelectedText();
}

void SampleEditor::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace quendry
