#pragma once

#include "app/mainwindow/Pane.h"
#include "app/shell/ProgramFolder.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

class QWidget;

namespace quendry {

class SampleLibrary;
class SettingsStore;

// The comparison history: while "Hist" is "1", each completed comparison appends one line naming
// the two texts, the time and the result to "history.qdm". A pane is named by its sample while it
// still holds, apart from blanks at either end, exactly the text of the sample last put into it
// from the sample library; once it does not, its sample is forgotten for good. The History window
// shows and prunes the log; the Settings window can clear it.
class HistoryLog : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    static QString fileName() { return QStringLiteral("history.qdm"); }

    HistoryLog(SettingsStore& settings, ProgramFolder folder, SampleLibrary& samples, QObject* parent = nullptr);

    // A comparison whose gauge shows `percent`, of the panes' plain texts. Appends its line when
    // "Hist" reads "1" (an empty value is first set to "1"). When the log cannot be written the
    // user is told; the result stays shown.
    void recordComparison(int percent, const QString& upperText, const QString& lowerText, QWidget* parent);
    // The History window, modal above parent.
    void showViewer(QWidget* parent);
    // Empties the log, creating it when missing; the error text on failure.
    std::optional<QString> clear();

    QString filePath() const;
    // Tests set the time that the next lines carry.
    void setClock(Clock clock) { m_clock = std::move(clock); }

private:
    // Forgets the pane's sample unless the pane still holds its text. False, after telling the
    // user, when the sample folder cannot be created: then no line is written.
    bool checkRememberedSample(Pane pane, const QString& paneText, QWidget* parent);

    SettingsStore& m_settings;
    ProgramFolder m_folder;
    SampleLibrary& m_samples;
    Clock m_clock = [] { return QDateTime::currentDateTime(); };
};

} // namespace quendry
