#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/TextPane.h"
#include "app/rtf/TextFileReader.h"
#include "app/shell/MessageBox.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QtTest>

using namespace quendry;
using quendry::test::GuiTestFolder;

namespace {

const QString top = QStringLiteral("Top.txt");

QString paneText(MainWindow& window, Pane which)
{
    return window.pane(which).document()->toRawText();
}

// The text as it reads back from a file the program wrote.
QString textOfFile(const GuiTestFolder& folder, const QString& name)
{
    QTextDocument document;
    TextFileReader::read(folder.filePath(name), document);
    return document.toRawText();
}

QStringList shownTexts()
{
    QStringList texts;
    for (const MessageBox::Shown& shown : MessageBox::shown())
        texts.append(shown.text);
    return texts;
}

QByteArray repeated(const QByteArray& part, int times)
{
    QByteArray bytes;
    for (int i = 0; i < times; ++i)
        bytes += part;
    return bytes;
}

// What the user sees of a pane: each paragraph's runs with their text, family, the pixel size the
// font is drawn at, bold, italic and underline, and colours; line breaks shown as <line>.
QString seen(const TextPane& pane)
{
    const QTextDocument& document = *pane.document();
    QString description;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        description += QStringLiteral("¶");
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            description += QStringLiteral("[%1 %2px%3 %4 %5]%6")
                               .arg(font.family())
                               .arg(QFontInfo(font).pixelSize())
                               .arg(QString(font.bold() ? QStringLiteral(" b") : QString())
                                   + (font.italic() ? QStringLiteral(" i") : QString())
                                   + (font.underline() ? QStringLiteral(" u") : QString()))
                               .arg(format.foreground().style() == Qt::NoBrush ? QStringLiteral("auto")
                                                                               : format.foreground().color().name())
                               .arg(format.background().style() == Qt::NoBrush ? QStringLiteral("none")
                                                                               : format.background().color().name())
                               .arg(QString(fragment.text()).replace(QChar::LineSeparator, QStringLiteral("<line>")));
        }
    }
    return description;
}

} // namespace

// The panes' files: what is read at start, what is written at close, checked by the bytes on disk.
class StoredPaneTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init() { MessageBox::clearShown(); }
    void plainTextIsReadFaithfully_data();
    void plainTextIsReadFaithfully();
    void fileReadInPartIsKeptBeforeItIsReplaced_data();
    void fileReadInPartIsKeptBeforeItIsReplaced();
    void fileNotReadIsLeftAloneUntilThePaneIsWritten();
    void keptCopyNeverReplacesAnotherFile();
    void whatTheUserSeesSurvivesARestart_data();
    void whatTheUserSeesSurvivesARestart();
    void longWordAtStartDoesNotFreezeTheWindow();
};

void StoredPaneTest::plainTextIsReadFaithfully_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    const QString text = QStringLiteral("na\u00efve caf\u00e9 \u201cquoted\u201d \u0416\u0443\u043a\n\u20ac end");
    QTest::newRow("UTF-8") << text.toUtf8() << text;
    QTest::newRow("UTF-8 with a mark and CR LF")
        << QByteArray("\xef\xbb\xbf") + QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8() << text;
    QByteArray utf16("\xff\xfe");
    for (const QChar c : text)
        utf16 += QByteArray(1, char(c.unicode() & 0xFF)) + QByteArray(1, char(c.unicode() >> 8));
    QTest::newRow("UTF-16") << utf16 << text;
    QTest::newRow("Windows-1252") << QByteArray("na\xefve caf\xe9 \x93quoted\x94\r\n\x80 end")
                                  << QStringLiteral("na\u00efve caf\u00e9 \u201cquoted\u201d\n\u20ac end");
}

void StoredPaneTest::plainTextIsReadFaithfully()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    GuiTestFolder folder;
    folder.writeFile(top, bytes);
    {
        MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
        QCOMPARE(paneText(window, Pane::Upper), QString(expected).replace(QLatin1Char('\n'), QChar::ParagraphSeparator));
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(window.close());
    }
    // Saved as rich text, every character kept; nothing needed keeping aside.
    QVERIFY(folder.readFile(top).startsWith("{\\rtf1"));
    QCOMPARE(textOfFile(folder, top), QString(expected).replace(QLatin1Char('\n'), QChar::ParagraphSeparator));
    QVERIFY(!folder.exists(QStringLiteral("Top.txt.bak")));
}

void StoredPaneTest::fileReadInPartIsKeptBeforeItIsReplaced_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("says");
    QTest::newRow("100,000 nested groups")
        << "{\\rtf1 before " + repeated("{", 100000) + "deep text" + repeated("}", 100000) + " after}"
        << QStringLiteral("before deep text after") << QStringLiteral("nested");
    QTest::newRow("cut short") << QByteArray("{\\rtf1 the first half{\\b and more") << QStringLiteral("the first halfand more")
                               << QStringLiteral("cut short");
}

void StoredPaneTest::fileReadInPartIsKeptBeforeItIsReplaced()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QFETCH(QString, says);
    GuiTestFolder folder;
    folder.writeFile(QStringLiteral("Bottom.txt"), bytes);
    {
        MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
        QCOMPARE(paneText(window, Pane::Lower), expected);
        QCOMPARE(MessageBox::shown().size(), 1);
        const QString message = MessageBox::shown().first().text;
        QVERIFY2(message.contains(folder.filePath(QStringLiteral("Bottom.txt"))), qPrintable(message));
        QVERIFY2(message.contains(says), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Bottom.txt.bak")), qPrintable(message));
        // Nothing is written before the pane is saved.
        QCOMPARE(folder.readFile(QStringLiteral("Bottom.txt")), bytes);
        QVERIFY(!folder.exists(QStringLiteral("Bottom.txt.bak")));
        QVERIFY(window.close());
    }
    QCOMPARE(folder.readFile(QStringLiteral("Bottom.txt.bak")), bytes);
    QCOMPARE(textOfFile(folder, QStringLiteral("Bottom.txt")), expected);

    // The next run reads the new file in full and keeps nothing more.
    MessageBox::clearShown();
    {
        MainWindow again(folder.settings(), folder.folder(), folder.analyzer());
        QVERIFY(MessageBox::shown().isEmpty());
        again.pane(Pane::Lower).editor()->append(QStringLiteral("typed"));
        QVERIFY(again.close());
    }
    QCOMPARE(folder.readFile(QStringLiteral("Bottom.txt.bak")), bytes);
    QVERIFY(!folder.exists(QStringLiteral("Bottom.txt.2.bak")));
}

void StoredPaneTest::fileNotReadIsLeftAloneUntilThePaneIsWritten()
{
    GuiTestFolder folder;
    const QByteArray binary("\x7f" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0", 16);
    folder.writeFile(top, binary);
    {
        MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
        QVERIFY(window.pane(Pane::Upper).document()->isEmpty());
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(shownTexts().first().contains(QStringLiteral("not a text file")));
        QVERIFY(window.close());
    }
    QCOMPARE(folder.readFile(top), binary);
    QVERIFY(!folder.exists(QStringLiteral("Top.txt.bak")));

    {
        MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
        window.pane(Pane::Upper).editor()->setPlainText(QStringLiteral("new words"));
        QVERIFY(window.close());
    }
    QCOMPARE(folder.readFile(QStringLiteral("Top.txt.bak")), binary);
    QCOMPARE(textOfFile(folder, top), QStringLiteral("new words"));
}

void StoredPaneTest::keptCopyNeverReplacesAnotherFile()
{
    GuiTestFolder folder;
    const QByteArray cut("{\\rtf1 cut");
    folder.writeFile(top, cut);
    folder.writeFile(QStringLiteral("Top.txt.bak"), "an older copy");
    {
        MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
        QVERIFY(shownTexts().first().contains(QStringLiteral("Top.txt.2.bak")));
        QVERIFY(window.close());
    }
    QCOMPARE(folder.readFile(QStringLiteral("Top.txt.bak")), QByteArray("an older copy"));
    QCOMPARE(folder.readFile(QStringLiteral("Top.txt.2.bak")), cut);
}

void StoredPaneTest::whatTheUserSeesSurvivesARestart_data()
{
    QTest::addColumn<bool>("rich");
    QTest::newRow("pasted rich text") << true;
    QTest::newRow("pasted plain text") << false;
}

void StoredPaneTest::whatTheUserSeesSurvivesARestart()
{
    QFETCH(bool, rich);
    GuiTestFolder folder;
    QString before;
    {
        MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* data = new QMimeData;
        const QString plain = QStringLiteral("Typed at the pane's size, line one\nline two\twith a tab\n\nafter an empty line");
        data->setText(plain);
        if (rich) {
            data->setHtml(QStringLiteral(
                "<p>Normal <b>bold</b> <span style=\"color:#c00000\">red</span> "
                "<span style=\"background-color:#ffff00\">marked</span><br>after a line break</p>"
                "<p><span style=\"font-family:'Courier New'; font-size:15pt\">fifteen points</span> "
                "<span style=\"font-size:14px\">fourteen pixels</span></p>"));
        }
        QApplication::clipboard()->setMimeData(data);
        TextPane& pane = window.pane(Pane::Upper);
        pane.findChild<QAction*>(QStringLiteral("pasteAction"))->trigger();
        before = seen(pane);
        QVERIFY(!pane.document()->isEmpty());
        QVERIFY(window.close());
    }
    MainWindow again(folder.settings(), folder.folder(), folder.analyzer());
    QCOMPARE(seen(again.pane(Pane::Upper)), before);
}

// One unbroken word of a million characters in Top.txt must not freeze the window at start: the
// limit below only guards against the minutes that wrapping at word boundaries takes.
void StoredPaneTest::longWordAtStartDoesNotFreezeTheWindow()
{
    GuiTestFolder folder;
    folder.writeFile(top, QByteArray(1024 * 1024, 'w'));
    QElapsedTimer timer;
    timer.start();
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.pane(Pane::Upper).document()->documentLayout()->documentSize();
    QApplication::processEvents();
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    QCOMPARE(window.pane(Pane::Upper).document()->characterCount(), 1024 * 1024 + 1);
    QCOMPARE(window.pane(Pane::Upper).editor()->wordWrapMode(), QTextOption::WrapAnywhere);
    QCOMPARE(window.pane(Pane::Lower).editor()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

QTEST_MAIN(StoredPaneTest)
#include "StoredPane_test.moc"
