#pragma once

#include "app/mainwindow/Pane.h"
#include "app/shell/HistoryHook.h"

#include <QDateTime>

#include <functional>

namespace quendry {

class MainWindow;
class SampleLibrary;

// The comparison history: after each completed comparison one line naming the two texts, the
// time and the result is appended to "history.qdm". A pane is named by its sample while it still
// holds, apart from blanks at either end, exactly the text of the sample last put into it from the
// sample library; once it does not, its sample is forgotten for good. The Settings window shows
// the log in the History window and can clear it.
class HistoryLog : public HistoryHook {
public:
    using Clock = std::function<QDateTime()>;

    HistoryLog(MainWindow& window, SampleLibrary& samples);

    // Appends the line for a comparison whose gauge shows `percent`. When the log cannot be
    // written the user is told; the result stays shown.
    void recordComparison(int percent, QWidget* parent) override;
    bool hasViewer() const override { return true; }
    void showViewer(QWidget* parent) override;

    QString filePath() const;
    // Tests set the time that the next lines carry.
    void setClock(Clock clock) { m_clock = std::move(clock); }

private:
    // Forgets the pane's sample unless the pane still holds its text. False, after telling the
    // user, when the sample folder cannot be created: then no line is written.
    bool checkRememberedSample(Pane pane, QWidget* parent);

    MainWindow& m_window;
    SampleLibrary& m_samples;
    Clock m_clock = [] { return QDateTime::currentDateTime(); };
};

} // namespace quendry
