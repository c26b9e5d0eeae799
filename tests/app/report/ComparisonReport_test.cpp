#include "app/report/ComparisonReport.h"
#include "app/report/ReportWriter.h"

#include "analysis/profile/Dictionary.h"
#include "analysis/profile/Windows1252.h"
#include "analysis/run/Analyzer.h"
#include "cli/CompareCommand.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace quendry;

namespace {

QString sourcePath(const QString& relative)
{
    return qEnvironmentVariable("QUENDRY_SOURCE_DIR") + QLatin1Char('/') + relative;
}

QString readSource(const QString& relative)
{
    QFile file(sourcePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(relative));
    return QString::fromUtf8(file.readAll());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QDateTime firstDate(QDate(2026, 3, 1), QTime(9, 30), QTimeZone::utc());
const QDateTime secondDate(QDate(2027, 11, 20), QTime(17, 5), QTimeZone(13 * 3600 + 45 * 60));

} // namespace

class ComparisonReportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void holdsWhatTheComparisonFound();
    void explainsAsTheCommandLineDoes();
    void namesEachText_data();
    void namesEachText();
    void countsCharactersAsAReaderDoes();
    void escapesTheTexts();
    void sameTextsGiveTheSameReportButTheDate();
    void writesBothFormats();
    void aFailedWriteNamesTheFileAndKeepsTheOldOne();

private:
    Comparison compare(const QString& first, const QString& second) const;

    Analyzer m_analyzer;
    Dictionary m_dictionary;
    QString m_anna1;
    QString m_anna2;
    QString m_ben;
};

void ComparisonReportTest::initTestCase()
{
    m_dictionary = Dictionary::fromFile(sourcePath(QStringLiteral("data/Dct.txt")).toStdString());
    m_anna1 = readSource(QStringLiteral("examples/anna-1.txt"));
    m_anna2 = readSource(QStringLiteral("examples/anna-2.txt"));
    m_ben = readSource(QStringLiteral("examples/ben.txt"));
}

Comparison ComparisonReportTest::compare(const QString& first, const QString& second) const
{
    const ComparisonOutcome outcome
        = m_analyzer.compare(toEngineText(first.toStdString()), toEngineText(second.toStdString()), m_dictionary);
    if (!std::holds_alternative<Comparison>(outcome))
        qFatal("the comparison was refused");
    return std::get<Comparison>(outcome);
}

void ComparisonReportTest::holdsWhatTheComparisonFound()
{
    const Comparison comparison = compare(m_anna1, m_ben);
    const int firstWords = comparison.first.characters.wordCount;
    const ComparisonReport report({QStringLiteral("Anna's first letter"), m_anna1, firstWords},
        {QString(), m_ben, comparison.second.characters.wordCount}, comparison, secondDate, QStringLiteral("1.2.3"));
    const QString html = report.html();

    QVERIFY(html.contains(QStringLiteral("Made on 2027-11-20 at 17:05 (UTC+13:45) by Quendry 1.2.3.")));
    QVERIFY(html.contains(QStringLiteral(">%1%<").arg(comparison.percent)));
    QVERIFY(html.contains(QStringLiteral("<td>Sample \u201CAnna's first letter\u201D</td>")));
    QVERIFY(html.contains(QStringLiteral("<td>\u201Chey Ruth!! sorry its taken me ages to \u2026\u201D</td>")));
    QVERIFY(html.contains(QStringLiteral(">%1</td><td align=\"right\">%2</td></tr>")
                              .arg(ComparisonReport::characterCount(m_ben))
                              .arg(comparison.second.characters.wordCount)));
    QVERIFY(firstWords > 200);
    QVERIFY(html.contains(QStringLiteral("What the percentage means")));
}

void ComparisonReportTest::explainsAsTheCommandLineDoes()
{
    const Comparison comparison = compare(m_anna1, m_ben);
    const ComparisonReport report({QString(), m_anna1, 0}, {QString(), m_ben, 0}, comparison, firstDate, {});

    const auto lines = explain(comparison.terms);
    QVERIFY(lines.size() > 3);
    QCOMPARE(report.reasons().size(), static_cast<qsizetype>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ComparisonReport::Reason& reason = report.reasons()[static_cast<qsizetype>(i)];
        QCOMPARE(reason.points, QString::fromStdString(cli::formatPoints(lines[i].points)));
        QCOMPARE(reason.text.toStdString(), std::string(lines[i].reason));
        QVERIFY(report.html().contains(reason.text.toHtmlEscaped()));
    }

}

void ComparisonReportTest::namesEachText_data()
{
    QTest::addColumn<QString>("sampleName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label");

    QTest::newRow("sample") << "Letters 1" << "one two" << "Sample \u201CLetters 1\u201D";
    QTest::newRow("eight words") << "" << "one two three four five six seven eight"
                                 << "\u201Cone two three four five six seven eight\u201D";
    QTest::newRow("nine words") << "" << "one two three four five six seven eight nine"
                                << "\u201Cone two three four five six seven eight \u2026\u201D";
    QTest::newRow("line breaks and runs of blanks") << "" << "\r\n  Dear\r\n\r\nRuth,\t how  are"
                                                   << "\u201CDear Ruth, how are\u201D";
    QTest::newRow("empty") << "" << "" << "(empty text)";
    QTest::newRow("blanks only") << "" << " \r\n\t " << "(empty text)";
}

void ComparisonReportTest::namesEachText()
{
    QFETCH(QString, sampleName);
    QFETCH(QString, text);
    QFETCH(QString, label);
    QCOMPARE(ComparisonReport::label({sampleName, text, 0}), label);
}

void ComparisonReportTest::countsCharactersAsAReaderDoes()
{
    QCOMPARE(ComparisonReport::characterCount(QString()), 0);
    QCOMPARE(ComparisonReport::characterCount(QStringLiteral("caf\u00E9")), 4);
    // An emoji outside the Basic Multilingual Plane is two UTF-16 units but one character.
    QCOMPARE(ComparisonReport::characterCount(QStringLiteral("ok \U0001F600!")), 5);
}

void ComparisonReportTest::escapesTheTexts()
{
    Comparison comparison;
    const QString hostile = QStringLiteral("<script>alert(1)</script> & \"%1 %3\" <b>bold</b>");
    const ComparisonReport report({QStringLiteral("<img src=x>"), hostile, 5}, {QString(), hostile, 5}, comparison,
        firstDate, QStringLiteral("1.0"));
    const QString html = report.html();
    QVERIFY(!html.contains(QStringLiteral("<script>")));
    QVERIFY(!html.contains(QStringLiteral("<img")));
    QVERIFY(!html.contains(QStringLiteral("<b>")));
    QVERIFY(html.contains(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;%1 %3&quot;")));
    QVERIFY(html.contains(QStringLiteral("Sample \u201C&lt;img src=x&gt;\u201D")));
}

void ComparisonReportTest::sameTextsGiveTheSameReportButTheDate()
{
    const Comparison once = compare(m_anna1, m_anna2);
    const Comparison again = compare(m_anna1, m_anna2);
    const ComparisonReport first({QString(), m_anna1, once.first.characters.wordCount},
        {QString(), m_anna2, once.second.characters.wordCount}, once, firstDate, QStringLiteral("1.0"));
    const ComparisonReport second({QString(), m_anna1, again.first.characters.wordCount},
        {QString(), m_anna2, again.second.characters.wordCount}, again, secondDate, QStringLiteral("1.0"));

    QVERIFY(first.madeLine() != second.madeLine());
    QString firstHtml = first.html();
    QString secondHtml = second.html();
    QVERIFY(firstHtml != secondHtml);
    firstHtml.replace(first.madeLine().toHtmlEscaped(), QStringLiteral("DATE"));
    secondHtml.replace(second.madeLine().toHtmlEscaped(), QStringLiteral("DATE"));
    QCOMPARE(firstHtml, secondHtml);

    // The PDF of one report, written twice, differs at most in the time it was written.
    QTemporaryDir folder;
    const QString a = folder.filePath(QStringLiteral("a.pdf"));
    const QString b = folder.filePath(QStringLiteral("b.pdf"));
    QCOMPARE(ReportWriter::writePdf(first, a), std::nullopt);
    QCOMPARE(ReportWriter::writePdf(first, b), std::nullopt);
    static const QRegularExpression written(QStringLiteral("/CreationDate \\(D:[0-9]+(Z|[+-][0-9]{2}'[0-9]{2}'?)?\\)"));
    QString aText = QString::fromLatin1(readFile(a));
    QString bText = QString::fromLatin1(readFile(b));
    QVERIFY(aText.contains(written));
    aText.replace(written, QStringLiteral("DATE"));
    bText.replace(written, QStringLiteral("DATE"));
    QVERIFY(aText == bText);
}

void ComparisonReportTest::writesBothFormats()
{
    QCOMPARE(ReportWriter::formatOf(QStringLiteral("/x/report.pdf")), ReportWriter::Format::Pdf);
    QCOMPARE(ReportWriter::formatOf(QStringLiteral("/x/report.PDF")), ReportWriter::Format::Pdf);
    QCOMPARE(ReportWriter::formatOf(QStringLiteral("/x/report.html")), ReportWriter::Format::Html);
    QCOMPARE(ReportWriter::formatOf(QStringLiteral("/x/report.pdf.htm")), ReportWriter::Format::Html);

    const Comparison comparison = compare(m_anna1, m_anna2);
    const ComparisonReport report(
        {QString(), m_anna1, 1}, {QString(), m_anna2, 1}, comparison, firstDate, QStringLiteral("1.0"));
    QTemporaryDir folder;
    const QString html = folder.filePath(QStringLiteral("report.html"));
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    QCOMPARE(ReportWriter::write(report, html, ReportWriter::Format::Html), std::nullopt);
    QCOMPARE(ReportWriter::write(report, pdf, ReportWriter::Format::Pdf), std::nullopt);

    QCOMPARE(QString::fromUtf8(readFile(html)), report.html());
    const QByteArray pdfBytes = readFile(pdf);
    QVERIFY(pdfBytes.startsWith("%PDF-"));
    QVERIFY(pdfBytes.trimmed().endsWith("%%EOF"));
    QVERIFY(pdfBytes.contains("/Type /Page"));
}

void ComparisonReportTest::aFailedWriteNamesTheFileAndKeepsTheOldOne()
{
    Comparison comparison;
    const ComparisonReport report({QString(), QStringLiteral("a b"), 2}, {QString(), QStringLiteral("c d"), 2},
        comparison, firstDate, QStringLiteral("1.0"));
    QTemporaryDir folder;

    for (const ReportWriter::Format format : {ReportWriter::Format::Html, ReportWriter::Format::Pdf}) {
        const QString missingFolder = folder.filePath(QStringLiteral("no such folder/report.out"));
        const auto error = ReportWriter::write(report, missingFolder, format);
        QVERIFY(error.has_value());
        QVERIFY2(error->contains(QDir::toNativeSeparators(missingFolder)), qPrintable(*error));
    }

    // A folder where the file should go: nothing is replaced, and the error names the path.
    const QString taken = folder.filePath(QStringLiteral("taken.html"));
    QVERIFY(QDir().mkpath(taken));
    const auto error = ReportWriter::writeHtml(report, taken);
    QVERIFY(error.has_value());
    QVERIFY(error->contains(QDir::toNativeSeparators(taken)));
    QVERIFY(QFileInfo(taken).isDir());
}

QTEST_MAIN(ComparisonReportTest)
#include "ComparisonReport_test.moc"
