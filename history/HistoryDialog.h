#pragma once

#include "history/HistoryFile.h"
#include "app/shell/DialogPlacement.h"

#include <QDialog>

class QAction;

namespace quendry {

class HistoryList;

// The History window: the log's lines as they were when it opened, with "Delete" in the list's
// context menu to remove one. Every deletion rewrites the log from the list. Size and position are
// kept under "HIST"; without a stored position the window opens centred on the screen.
class HistoryDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int minimumWidth = 200;
    static constexpr int minimumHeight = 300;

    HistoryDialog(HistoryFile file, SettingsStore& settings, QWidget* parent = nullptr);

    HistoryList& list() const { return *m_list; }
    QAction& deleteAction() const { return *m_deleteAction; }

    // "Delete": removes the selected line, when there is one, and writes the remaining lines to
    // the log; then selects the first line. Nothing happens while the list is empty. When the log
    // cannot be written the line stays in the list and the user is told.
    void deleteSelectedLine();

    void done(int result) override;

private:
    void showContextMenu(const QPoint& position);

    HistoryFile m_file;
    DialogPlacement m_placement;
    HistoryList* m_list;
    QAction* m_deleteAction;
};

} // namespace quendry
