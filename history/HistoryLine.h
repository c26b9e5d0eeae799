#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quendry {

// One line of the comparison history: the upper text's label, "<->", the lower text's label, a
// blank, the date and time, a blank, and the result with "%". A label is the sample's name in
// double quotes when the pane held a sample, otherwise the user-text label "USER TEXT" in double
// quotes. Names are written unchanged, a double quote in a name included.
class HistoryLine {
public:
    static QString userTextLabel() { return QStringLiteral("\"USER TEXT\""); }
    static QString separator() { return QStringLiteral("<->"); }

    // The label for a pane whose remembered sample name is `sampleName` (empty: no sample).
    static QString label(const QString& sampleName);

    // The whole line, without its line end. The date is in the locale's short date format and the
    // time in its long time format; a line written at exactly midnight (00:00:00) has the date only.
    static QString compose(const QString& upperSampleName, const QString& lowerSampleName, const QDateTime& when,
        int percent, const QLocale& locale);

    // The locale's long time format without a time zone: the history records local wall-clock
    // time, and the desktop's own long time format names no zone either.
    static QString timeFormat(const QLocale& locale);
};

} // namespace quendry
