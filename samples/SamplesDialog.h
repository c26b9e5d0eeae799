#pragma once

#include "app/mainwindow/Pane.h"
#include "app/shell/DialogPlacement.h"

#include <QDialog>

class QListWidget;

namespace quendry {

class SampleLibrary;

// The Samples window: the list of samples, with commands to add, edit and delete a sample and to
// put the selected one into the upper or the lower pane. Its size and position are kept under
// "QdAddList".
class SamplesDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int minimumWidth = 490;
    static constexpr int minimumHeight = 200;
    static constexpr QPoint designPosition{343, 299};

    SamplesDialog(SampleLibrary& library, QWidget* parent = nullptr);

    // The selected name; empty when none is selected.
    QString selectedName() const;

    void addSample();
    void editSample();
    void deleteSample();
    // Asks for a new name for the selected sample, as "Delete" asks for a selection first.
    void renameSample();
    void pasteIntoUpperPane();
    void pasteIntoLowerPane();

    void done(int result) override;

private:
    // Reads the folder again and selects `name` when it is listed, otherwise the first name.
    void refreshList(const QString& name = {});
    void pasteInto(Pane pane);

    SampleLibrary& m_library;
    DialogPlacement m_placement;
    QListWidget* m_list;
};

} // namespace quendry
