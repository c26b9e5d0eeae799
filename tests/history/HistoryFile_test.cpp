#include "history/HistoryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using quendry::HistoryFile;

namespace {

struct Fixture {
    QTemporaryDir directory;
    QString path = directory.filePath(QStringLiteral("history.qdm"));
    HistoryFile file{path};

    void write(const QByteArray& bytes) const
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write the test log");
    }

    QByteArray bytes() const
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }
};

} // namespace

class HistoryFileTest : public QObject {
    Q_OBJECT

private slots:
    void missingFileHasNoLines();
    void linesAreSplitAtLineEnds_data();
    void linesAreSplitAtLineEnds();
    void appendCreatesTheFileAndAddsLines();
    void appendKeepsAHandEditedLastLineApart();
    void appendFailureIsReported();
    void replaceWritesTheLinesAsTheyWere();
    void decodeReadsUtf8OrWindows1252_data();
    void decodeReadsUtf8OrWindows1252();
};

void HistoryFileTest::missingFileHasNoLines()
{
    Fixture fixture;
    const HistoryFile::Contents contents = fixture.file.read();
    QCOMPARE(contents.error, std::nullopt);
    QVERIFY(contents.lines.isEmpty());
}

void HistoryFileTest::linesAreSplitAtLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
    QTest::newRow("last line without end") << QByteArray("a\r\nb") << QList<QByteArray>{"a", "b"};
    QTest::newRow("LF only") << QByteArray("a\nb\n") << QList<QByteArray>{"a", "b"};
    QTest::newRow("empty line inside") << QByteArray("a\r\n\r\nb\r\n") << QList<QByteArray>{"a", "", "b"};
    QTest::newRow("one empty line") << QByteArray("\r\n") << QList<QByteArray>{""};
}

void HistoryFileTest::linesAreSplitAtLineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    Fixture fixture;
    fixture.write(bytes);
    QCOMPARE(fixture.file.read().lines, lines);
}

void HistoryFileTest::appendCreatesTheFileAndAddsLines()
{
    Fixture fixture;
    QCOMPARE(fixture.file.append(QStringLiteral("first")), std::nullopt);
    QCOMPARE(fixture.bytes(), QByteArray("first\r\n"));
    QCOMPARE(fixture.file.append(QStringLiteral("\"Заметка\"<->x")), std::nullopt);
    QCOMPARE(fixture.bytes(), QByteArray("first\r\n") + QStringLiteral("\"Заметка\"<->x").toUtf8() + "\r\n");
}

void HistoryFileTest::appendKeepsAHandEditedLastLineApart()
{
    Fixture fixture;
    fixture.write("old line");
    QCOMPARE(fixture.file.append(QStringLiteral("new line")), std::nullopt);
    QCOMPARE(fixture.bytes(), QByteArray("old line\r\nnew line\r\n"));
}

void HistoryFileTest::appendFailureIsReported()
{
    Fixture fixture;
    // A folder where the log should be cannot be appended to.
    QDir().mkpath(fixture.path);
    const auto error = fixture.file.append(QStringLiteral("line"));
    QVERIFY(error.has_value());
    QVERIFY2(error->contains(QDir::toNativeSeparators(fixture.path)), qPrintable(*error));
}

void HistoryFileTest::replaceWritesTheLinesAsTheyWere()
{
    Fixture fixture;
    // An older line in Windows-1252 keeps its bytes when another line goes.
    fixture.write("caf\xe9\r\nsecond\r\nthird\r\n");
    QList<QByteArray> lines = fixture.file.read().lines;
    lines.removeAt(1);
    QCOMPARE(fixture.file.replace(lines), std::nullopt);
    QCOMPARE(fixture.bytes(), QByteArray("caf\xe9\r\nthird\r\n"));

    QCOMPARE(fixture.file.replace({}), std::nullopt);
    QCOMPARE(fixture.bytes(), QByteArray());
}

void HistoryFileTest::decodeReadsUtf8OrWindows1252_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("\"USER TEXT\" 87%") << QStringLiteral("\"USER TEXT\" 87%");
    QTest::newRow("UTF-8") << QStringLiteral("\"Заметка café\"").toUtf8() << QStringLiteral("\"Заметка café\"");
    QTest::newRow("Windows-1252") << QByteArray("\"caf\xe9\"") << QStringLiteral("\"café\"");
    QTest::newRow("Windows-1252 quotes") << QByteArray("\x93memo\x94") << QStringLiteral("\u201cmemo\u201d");
}

void HistoryFileTest::decodeReadsUtf8OrWindows1252()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    QCOMPARE(HistoryFile::decode(line), text);
}

QTEST_GUILESS_MAIN(HistoryFileTest)
#include "HistoryFile_test.moc"
