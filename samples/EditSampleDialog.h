#pragma once

#include "app/shell/DialogPlacement.h"

#include <QDialog>

#include <optional>

namespace quendry {

class SampleEditor;
class SampleStore;

// Sample Editing: changes the text of one sample, saved back under the name it was opened with.
// The window closes (accepted) once the sample is saved; otherwise it stays open with the edited
// text. Placement is kept under "ET".
class EditSampleDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int minimumWidth = 200;
    static constexpr int minimumHeight = 300;
    static constexpr QPoint designPosition{335, 275};

    EditSampleDialog(const SampleStore& store, SettingsStore& settings, const QString& name, QWidget* parent = nullptr);

    // Puts the sample's text into the editor; the error text when it cannot be read.
    std::optional<QString> load();

    QString sampleName() const { return m_name; }
    SampleEditor& editor() const { return *m_editor; }

    void save();
    void done(int result) override;

private:
    const SampleStore& m_store;
    DialogPlacement m_placement;
    QString m_name;
    SampleEditor* m_editor;
};

} // namespace quendry
