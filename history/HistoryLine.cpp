#include "history/HistoryLine.h"

namespace quendry {

QString HistoryLine::label(const QString& sampleName)
{
    if (sampleName.isEmpty())
        return userTextLabel();
    return QLatin1Char('"') + sampleName + QLatin1Char('"');
}

QString HistoryLine::compose(const QString& upperSampleName, const QString& lowerSampleName, const QDateTime& when,
    int percent, const QLocale& locale)
{
    QString dateTime = locale.toString(when.date(), QLocale::ShortFormat);
    const QTime time = when.time();
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        dateTime += QLatin1Char(' ') + locale.toString(time, timeFormat(locale));
    return label(upperSampleName) + separator() + label(lowerSampleName) + QLatin1Char(' ') + dateTime
        + QLatin1Char(' ') + QString::number(percent) + QLatin1Char('%');
}

QString HistoryLine::timeFormat(const QLocale& locale)
{
    // Drops every run of the zone letter 't' outside quoted text, with the blanks before it.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar character = format.at(i);
        if (character == QLatin1Char('\'')) {
            quoted = !quoted;
            result += character;
        } else if (!quoted && character == QLatin1Char('t')) {
            while (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('t'))
                ++i;
            while (result.endsWith(QLatin1Char(' ')))
                result.chop(1);
        } else {
            result += character;
        }
    }
    return result.trimmed();
}

} // namespace quendry
