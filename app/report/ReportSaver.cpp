#include "app/report/ReportSaver.h"

#include "app/mainwindow/AnalysisRun.h"
#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/TextPane.h"
#include "app/report/ReportWriter.h"
#include "app/shell/FileDialogs.h"
#include "app/shell/MessageBox.h"
#include "samples/SampleLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

namespace quendry {
ReportSaver::ReportSaver(QObject* parent)
    : QObject(parent)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
}

void ReportSaver::comparisonFinished(const MainWindow& window, SampleLibrary& samples)
{
    const auto& comparison = window.analysisRun().lastComparison();
    if (!comparison) {
        m_subject.reset();
        return;
    }
    const auto reported = [&](Pane pane, int wordCount) {
        const QString text = window.pane(pane).document()->toPlainText();
        return ReportedText{samples.unchangedSample(pane, text), text, wordCount};
    };
    setSubject(reported(Pane::Upper, comparison->first.characters.wordCount),
        reported(Pane::Lower, comparison->second.characters.wordCount), *comparison);
}

void ReportSaver::setSubject(const ReportedText& upper, const ReportedText& lower, const Comparison& comparison)
{
    m_subject = Subject{upper, lower, comparison};
}

std::optional<ComparisonReport> ReportSaver::report() const
{
    if (!m_subject)
        return std::nullopt;
    return ComparisonReport(m_subject->upper, m_subject->lower, m_subject->comparison, m_clock(),
        QStringLiteral(QUENDRY_VERSION));
}

QString ReportSaver::fileFilter()
{
    return QStringLiteral("PDF document (*.pdf);;Web page (*.html *.htm)");
}

void ReportSaver::save(QWidget* parent)
{
    const std::optional<ComparisonReport> subject = report();
    if (!subject)
        return;
    QString path = FileDialogs::saveFileName(parent, QStringLiteral("Save report"), fileFilter());
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("pdf") && suffix != QStringLiteral("html") && suffix != QStringLiteral("htm")) {
        // The chooser asked about replacing the name as typed, not this one.
        path += QStringLiteral(".pdf");
        if (QFileInfo::exists(path)
            && MessageBox::askYesNo(parent,
                   QStringLiteral("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(path)))
                != MessageBox::Button::Yes)
            return;
    }
    if (const auto error = ReportWriter::write(*subject, path, ReportWriter::formatOf(path)))
        MessageBox::error(parent, *error);
}

} // namespace quendry
