#include "history/HistoryLine.h"

#include <QtTest>

using quendry::HistoryLine;

namespace {

const QDate day(2010, 5, 12);

} // namespace

class HistoryLineTest : public QObject {
    Q_OBJECT

private slots:
    void lineLayout_data();
    void lineLayout();
    void timeFormatHasNoZone_data();
    void timeFormatHasNoZone();
};

void HistoryLineTest::lineLayout_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("line");

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("two typed texts") << german << QString() << QString() << QTime(14, 3, 27) << 0
                                     << QStringLiteral("\"USER TEXT\"<->\"USER TEXT\" 12.05.10 14:03:27 0%");
    QTest::newRow("sample above") << german << QStringLiteral("memo 3") << QString() << QTime(14, 3, 27) << 87
                                  << QStringLiteral("\"memo 3\"<->\"USER TEXT\" 12.05.10 14:03:27 87%");
    QTest::newRow("sample below") << german << QString() << QStringLiteral("memo 3") << QTime(9, 0, 5) << 100
                                  << QStringLiteral("\"USER TEXT\"<->\"memo 3\" 12.05.10 09:00:05 100%");
    QTest::newRow("quote in a name is not escaped")
        << german << QStringLiteral("say \"hi\"") << QStringLiteral("b") << QTime(14, 3, 27) << 5
        << QStringLiteral("\"say \"hi\"\"<->\"b\" 12.05.10 14:03:27 5%");
    QTest::newRow("exactly midnight") << german << QString() << QString() << QTime(0, 0, 0) << 55
                                      << QStringLiteral("\"USER TEXT\"<->\"USER TEXT\" 12.05.10 55%");
    QTest::newRow("a second after midnight") << german << QString() << QString() << QTime(0, 0, 1) << 55
                                             << QStringLiteral("\"USER TEXT\"<->\"USER TEXT\" 12.05.10 00:00:01 55%");
    QTest::newRow("midnight with milliseconds") << german << QString() << QString() << QTime(0, 0, 0, 400) << 55
                                                << QStringLiteral("\"USER TEXT\"<->\"USER TEXT\" 12.05.10 55%");
    QTest::newRow("12-hour clock") << american << QString() << QString() << QTime(14, 3, 27) << 63
                                   << QStringLiteral("\"USER TEXT\"<->\"USER TEXT\" 5/12/10 2:03:27 PM 63%");
}

void HistoryLineTest::lineLayout()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QTime, time);
    QFETCH(int, percent);
    QFETCH(QString, line);
    QCOMPARE(HistoryLine::compose(upper, lower, QDateTime(day, time), percent, locale), line);
}

void HistoryLineTest::timeFormatHasNoZone_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("format");
    QTest::newRow("C") << QLocale::c() << QStringLiteral("HH:mm:ss");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral("HH:mm:ss");
    QTest::newRow("American") << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("h:mm:ss AP");
}

void HistoryLineTest::timeFormatHasNoZone()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, format);
    QCOMPARE(HistoryLine::timeFormat(locale), format);
}

QTEST_GUILESS_MAIN(HistoryLineTest)
#include "HistoryLine_test.moc"
