#include "app/mainwindow/PaneText.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace quendry;

class PaneTextTest : public QObject {
    Q_OBJECT

private slots:
    void engineText_data();
    void engineText();
    void lineBreakInsideAParagraph();
};

void PaneTextTest::engineText_data()
{
    QTest::addColumn<QString>("paneText");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("paragraphs end in CR LF") << "one\ntwo\n\nthree" << QByteArray("one\r\ntwo\r\n\r\nthree");
    QTest::newRow("trailing empty paragraph") << "end\n" << QByteArray("end\r\n");
    QTest::newRow("Windows-1252 characters") << QStringLiteral("caf\u00e9 \u20ac5 \u201cquoted\u201d \u2019")
                                             << QByteArray("caf\xe9 \x80" "5 \x93quoted\x94 \x92");
    QTest::newRow("no-break space stays") << QStringLiteral("a\u00a0b") << QByteArray("a\xa0" "b");
    QTest::newRow("characters beyond the code page become ?")
        << QStringLiteral("\u0142\u00f3d\u017a \U0001F600!") << QByteArray("?\xf3" "d? ?!");
    QTest::newRow("tab stays") << "a\tb" << QByteArray("a\tb");
}

void PaneTextTest::engineText()
{
    QFETCH(QString, paneText);
    QFETCH(QByteArray, expected);

    QTextDocument document;
    document.setPlainText(paneText);
    const std::string text = paneEngineText(document);
    QCOMPARE(QByteArray(text.data(), static_cast<qsizetype>(text.size())), expected);
}

void PaneTextTest::lineBreakInsideAParagraph()
{
    // Shift+Enter makes a line break inside a paragraph; it is a line end all the same.
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("first"));
    cursor.insertText(QString(QChar(QChar::LineSeparator)));
    cursor.insertText(QStringLiteral("second"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("third"));
    QCOMPARE(paneEngineText(document), std::string("first\r\nsecond\r\nthird"));
}

QTEST_MAIN(PaneTextTest)
#include "PaneText_test.moc"
