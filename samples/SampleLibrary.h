#pragma once

#include "app/mainwindow/Pane.h"
#include "samples/RememberedSamples.h"
#include "samples/SampleStore.h"

#include "analysis/run/Analyzer.h"

#include <QObject>

#include <filesystem>
#include <optional>
#include <string>

class QProgressBar;
class QTextDocument;
class QWidget;

namespace quendry {

class SettingsStore;

// Where a ranking shows its progress: the main window's progress strip and bar.
struct RankingProgress {
    QWidget* strip = nullptr;
    QProgressBar* bar = nullptr;
};

// The sample library as the program uses it: the Samples window, Save sample as for a pane's
// content, and the names of the samples put into the panes, remembered for the history. A sample
// chosen for a pane goes out through putTextInPane; the library does not know the main window.
class SampleLibrary : public QObject {
    Q_OBJECT

public:
    // The analyzer is the program's one engine, which must outlive the library.
    SampleLibrary(SettingsStore& settings, ProgramFolder folder, const Analyzer& analyzer, QObject* parent = nullptr);

    // The Samples window, modal above parent.
    void openSamples(QWidget* parent);
    // Save sample as for a pane's whole content.
    void saveSampleAs(const QTextDocument& paneText, QWidget* parent);

    static QString emptyLibraryMessage()
    {
        return QStringLiteral("The sample library is empty, so there is nothing to rank against. Add samples in "
                              "the Samples window first.");
    }
    // "Rank against samples": ranks the questioned text (the upper pane's, as the analysis reads
    // it) against every sample in the modal RankingDialog, with progress in the main window's
    // strip. A sample double-clicked there is put into the lower pane (putIntoPane) and its name
    // returned, for the caller to compare; nothing when none was chosen or it could not be put
    // there.
    std::optional<QString> rankAgainstSamples(std::string questionedText, std::filesystem::path dictionaryPath,
        RankingProgress progress, QWidget* parent);

    // Puts the sample into the pane (putTextInPane), replacing the pane's whole content, and
    // remembers its name for that pane. False when there is no such sample (nothing happens) or
    // when it cannot be read or the sample folder cannot be created (the user is told, nothing
    // is sent).
    bool putIntoPane(const QString& name, Pane pane, QWidget* parent);

    // Renames the sample (SampleStore::rename); a pane remembered as holding it is then
    // remembered under the new name, so the history goes on naming it. The error text on failure.
    std::optional<QString> renameSample(const QString& name, const QString& newName);

    // The sample remembered for the pane while the pane still holds its text unchanged (both
    // trimmed, neither empty), else empty: a sample that is gone or cannot be read has changed.
    // The history names a pane's text after this sample, and so does the report.
    QString unchangedSample(Pane pane, const QString& paneText) const;

    const SampleStore& store() const { return m_store; }
    RememberedSamples& remembered() { return m_remembered; }
    SettingsStore& settings() const { return m_settings; }

signals:
    // The sample's text for a pane: it replaces the pane's whole content.
    void putTextInPane(quendry::Pane pane, const QTextDocument* text);

private:
    SettingsStore& m_settings;
    SampleStore m_store;
    RememberedSamples m_remembered;
    const Analyzer& m_analyzer;
};

} // namespace quendry
