#pragma once

#include "app/shell/DialogPlacement.h"

#include <QDialog>

class QLineEdit;

namespace quendry {

class SampleEditor;
class SampleStore;

// Create sample: the user types or pastes a new sample's text and names it. Saving under a name
// that is taken asks before replacing that sample. The window closes (accepted) once the sample
// is saved; otherwise it stays open with everything typed. Placement is kept under "AT".
class CreateSampleDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr QPoint designPosition{325, 244};

    CreateSampleDialog(const SampleStore& store, SettingsStore& settings, QWidget* parent = nullptr);

    SampleEditor& editor() const { return *m_editor; }
    // The name the sample was saved under; empty until it is.
    QString savedName() const { return m_savedName; }

    void save();
    void done(int result) override;

private:
    const SampleStore& m_store;
    DialogPlacement m_placement;
    QLineEdit* m_name;
    SampleEditor* m_editor;
    QString m_savedName;
};

} // namespace quendry
