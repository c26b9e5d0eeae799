#pragma once

#include "analysis/run/Comparison.h"
#include "app/report/ComparisonReport.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

class QWidget;

namespace quendry {

class MainWindow;
class SampleLibrary;

// "Save report...": keeps the comparison whose percentage the gauge shows, with its two texts as
// they were compared and the samples they came from, and writes it as a report on request.
class ReportSaver : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit ReportSaver(QObject* parent = nullptr);

    // Tests set the time the report is made.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // The window's last completed comparison becomes the subject of the next report. A pane is
    // named after its sample only while it holds that sample's text unchanged, as the history
    // names it.
    void comparisonFinished(const MainWindow& window, SampleLibrary& samples);
    void setSubject(const ReportedText& upper, const ReportedText& lower, const Comparison& comparison);
    bool hasSubject() const { return m_subject.has_value(); }

    // The report of the subject as it would be saved now.
    std::optional<ComparisonReport> report() const;

    // Asks where to save the report and writes it there: a PDF when the name ends in ".pdf", an
    // HTML file when it ends in ".html" or ".htm"; any other name gets ".pdf" added. A failure is
    // shown to the user, naming the file.
    void save(QWidget* parent);

    static QString fileFilter();

private:
    struct Subject {
        ReportedText upper;
        ReportedText lower;
        Comparison comparison;
    };

    std::optional<Subject> m_subject;
    Clock m_clock;
};

} // namespace quendry
