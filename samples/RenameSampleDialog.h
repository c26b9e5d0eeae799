#pragma once

#include <QDialog>

class QLineEdit;

namespace quendry {

class SampleLibrary;

// Asks for a sample's new name: the same rules as for a new sample, and no name that another
// sample has. The window stays open on a refused name so that another can be typed.
class RenameSampleDialog : public QDialog {
    Q_OBJECT

public:
    RenameSampleDialog(SampleLibrary& library, const QString& name, QWidget* parent = nullptr);

    // The name the sample has now; its old name until a rename succeeded.
    QString currentName() const { return m_name; }

private:
    void rename();

    SampleLibrary& m_library;
    QString m_name;
    QLineEdit* m_edit;
};

} // namespace quendry
