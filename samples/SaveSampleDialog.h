#pragma once

#include "app/shell/DialogPlacement.h"

#include <QDialog>

class QLineEdit;
class QTextDocument;

namespace quendry {

class SampleStore;

// Save sample as: stores a pane's whole content as a new sample. It never replaces a sample: a
// name that is taken is refused and the window stays open for another. Only the position is
// kept, under "SS"; the window takes the size of its contents.
class SaveSampleDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr QPoint designPosition{360, 320};
    static QString caption() { return QStringLiteral("Save sample as "); }

    SaveSampleDialog(const SampleStore& store, SettingsStore& settings, const QTextDocument& source,
        QWidget* parent = nullptr);

    void save();
    void done(int result) override;

private:
    const SampleStore& m_store;
    const QTextDocument& m_source;
    DialogPlacement m_placement;
    QLineEdit* m_name;
};

} // namespace quendry
