// The command-line tool reads sample files without Qt. What it compares must be exactly what the
// window compares once the same file is put into a pane.
#include "app/mainwindow/PaneText.h"
#include "app/rtf/TextFileReader.h"
#include "richtext/FileText.h"

#include <QTextDocument>
#include <QtTest>

using namespace quendry;

class SampleFileTextTest : public QObject {
    Q_OBJECT

private slots:
    void sameTextAsAPane_data();
    void sameTextAsAPane();
    void refusedAsThePaneRefusesIt();
};

void SampleFileTextTest::sameTextAsAPane_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty file") << QByteArray() << QByteArray();
    QTest::newRow("plain text, every kind of line end") << QByteArray("a\r\nb\nc\rd\r\n") << QByteArray("a\r\nb\r\nc\r\nd\r\n");
    QTest::newRow("plain text in Windows-1252") << QByteArray("caf\xe9 \x93q\x94") << QByteArray("caf\xe9 \x93q\x94");
    QTest::newRow("plain text in UTF-8") << QByteArray("\xEF\xBB\xBF" "caf\xc3\xa9 \xe2\x80\x9cq\xe2\x80\x9d \xc5\x82")
                                         << QByteArray("caf\xe9 \x93q\x94 ?");
    QTest::newRow("plain text in UTF-16, little end first") << QByteArray("\xFF\xFEh\0\xe9\0\r\0\n\0!\0", 12)
                                                             << QByteArray("h\xe9\r\n!");
    QTest::newRow("plain text in UTF-16, big end first") << QByteArray("\xFE\xFF\0h\0\xe9", 6) << QByteArray("h\xe9");
    QTest::newRow("a lone surrogate in UTF-16") << QByteArray("\xFF\xFE" "a\xD8") << QByteArray("?");
    QTest::newRow("paragraphs, line breaks and tabs")
        << QByteArray("{\\rtf1\\ansi one\\par two\\line three\\tab four\\par}") << QByteArray("one\r\ntwo\r\nthree\tfour\r\n");
    QTest::newRow("escapes and named characters")
        << QByteArray("{\\rtf1 caf\\'e9 \\ldblquote q\\rdblquote  a\\~b \\emdash  \\{x\\}}")
        << QByteArray("caf\xe9 \x93q\x94 a\xa0" "b \x97 {x}");
    QTest::newRow("characters beyond the code page")
        << QByteArray("{\\rtf1 \\u322?\\u-10179?\\u-8704? \\u-10179?x}") << QByteArray("?? ?x");
    QTest::newRow("a paragraph separator inside the text") << QByteArray("{\\rtf1 a\\u8233?b}") << QByteArray("a\r\nb");
    QTest::newRow("byte-order mark at the start") << QByteArray("{\\rtf1 \\u65279?text}") << QByteArray("text");
    QTest::newRow("byte-order mark later") << QByteArray("{\\rtf1 a\\u65279?b}") << QByteArray("a?b");
    QTest::newRow("skipped destinations")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}{\\*\\x hidden}{\\info{\\title t}}\\cf1 "
                      "{\\b seen}\\par}")
        << QByteArray("seen\r\n");
    QTest::newRow("document left open") << QByteArray("{\\rtf1 a\\par {\\i b") << QByteArray("a\r\nb");
    QTest::newRow("control characters dropped") << QByteArray("{\\rtf1 a\\'07b\\'0dc}") << QByteArray("abc");
    QTest::newRow("text nested too deep is kept")
        << QByteArray("{\\rtf1 a" + QByteArray(300, '{') + "b" + QByteArray(300, '}') + "c}") << QByteArray("abc");
}

void SampleFileTextTest::sameTextAsAPane()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);

    QTextDocument pane;
    QVERIFY(!TextFileReader::readBytes(file, QStringLiteral("sample"), pane).error);
    const std::string window = paneEngineText(pane);
    std::string problem;
    const auto tool = sampleEngineText(std::string_view(file.constData(), static_cast<std::size_t>(file.size())), problem);
    QVERIFY2(tool.has_value(), problem.c_str());
    QCOMPARE(QByteArray::fromStdString(*tool), QByteArray::fromStdString(window));
    QCOMPARE(QByteArray::fromStdString(*tool), expected);
}

void SampleFileTextTest::refusedAsThePaneRefusesIt()
{
    QCOMPARE(maxPaneFileBytes, static_cast<std::size_t>(TextFileReader::maxFileBytes));
    const QByteArray cases[] = {
        QByteArray("text\0with a NUL", 15),
        QByteArray("\x01\x02\x03 mostly control characters"),
        QByteArray(static_cast<qsizetype>(maxPaneFileBytes) + 1, 'a'),
    };
    for (const QByteArray& file : cases) {
        QTextDocument pane;
        QVERIFY(TextFileReader::readBytes(file, QStringLiteral("sample"), pane).error || file.size() > TextFileReader::maxFileBytes);
        std::string problem;
        QVERIFY(!sampleEngineText(std::string_view(file.constData(), static_cast<std::size_t>(file.size())), problem));
        QVERIFY(!problem.empty());
    }
}

QTEST_MAIN(SampleFileTextTest)
#include "SampleFileText_test.moc"
