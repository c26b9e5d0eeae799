#pragma once

#include <QTextEdit>

class QMenu;

namespace quendry {

// The text editor of Create sample and Sample Editing: rich text in the panes' font, with the
// panes' context menu, every entry acting through the editor's own commands.
class SampleEditor : public QTextEdit {
    Q_OBJECT

public:
    explicit SampleEditor(QWidget* parent = nullptr);

    // The context menu, built afresh; the caller owns it.
    QMenu* createContextMenu();
    // Removes the selection without touching the clipboard.
    void deleteSelection();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace quendry
