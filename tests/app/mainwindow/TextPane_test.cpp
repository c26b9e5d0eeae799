#include "app/mainwindow/OverlongWordWrap.h"
#include "app/mainwindow/TextPane.h"
#include "app/shell/FileDialogs.h"
#include "app/shell/MessageBox.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QTextEdit>
#include <QtTest>

using namespace quendry;

Q_DECLARE_METATYPE(quendry::Pane)

namespace {

QAction* menuEntry(QMenu& menu, const QString& caption)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == caption)
            return action;
    }
    qFatal("no menu entry %s", qPrintable(caption));
}

QAction* toolbarAction(TextPane& pane, const char* name)
{
    auto* action = pane.findChild<QAction*>(QString::fromLatin1(name));
    if (!action)
        qFatal("no toolbar action %s", name);
    return action;
}

// A pane holding "plain " followed by "bold" in bold, all selected.
void fillWithFormattedText(TextPane& pane)
{
    QTextCursor cursor(pane.document());
    cursor.insertText(QStringLiteral("plain "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("bold"), bold);
    pane.editor()->selectAll();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
}

// Drags the files onto the pane's editor and drops them, as a file manager would.
void dropFiles(TextPane& pane, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    QWidget* target = pane.editor()->viewport();
    const QPoint point = target->rect().center();
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
}

QStringList shownTexts()
{
    QStringList texts;
    for (const MessageBox::Shown& shown : MessageBox::shown())
        texts.append(shown.text);
    return texts;
}

} // namespace

class TextPaneTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void contextMenuCaptions_data();
    void contextMenuCaptions();
    void toolbarHints();
    void copying_data();
    void copying();
    void upperMenuCopyWithoutSelectionEmptiesTheClipboard();
    void clearCanBeUndone();
    void deleteLeavesTheClipboardAlone();
    void fontAndColor();
    void openReplacesTheTextAsOneEdit_data();
    void openReplacesTheTextAsOneEdit();
    void openRefusesWhatIsNoText_data();
    void openRefusesWhatIsNoText();
    void saveAsWritesByExtension_data();
    void saveAsWritesByExtension();
    void saveAsNamesTheFileItCannotWrite();
    void droppedFileIsOpened();
    void droppingSeveralFilesSaysSo();
    void pastedLongWordWrapsAnywhere();
};

void TextPaneTest::contextMenuCaptions_data()
{
    QTest::addColumn<Pane>("pane");
    QTest::newRow("upper") << Pane::Upper;
    QTest::newRow("lower") << Pane::Lower;
}

void TextPaneTest::contextMenuCaptions()
{
    QFETCH(Pane, pane);
    TextPane textPane(pane);
    std::unique_ptr<QMenu> menu(textPane.createContextMenu());
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    const QStringList expected{QStringLiteral("Отменить"), QStringLiteral("-"), QStringLiteral("Вырезать"),
        QStringLiteral("Копировать"), QStringLiteral("Вставить"), QStringLiteral("Удалить"), QStringLiteral("-"),
        QStringLiteral("Выделить всё"), QStringLiteral("-"), QStringLiteral("Open..."), QStringLiteral("Save as...")};
    QCOMPARE(captions, expected);
}

void TextPaneTest::toolbarHints()
{
    TextPane pane(Pane::Upper);
    QCOMPARE(toolbarAction(pane, "clearAction")->toolTip(), QStringLiteral("Clear"));
    QCOMPARE(toolbarAction(pane, "copyAction")->toolTip(), QStringLiteral("Copy to Clipboard"));
    QCOMPARE(toolbarAction(pane, "pasteAction")->toolTip(), QStringLiteral("Paste from Clipboard"));
    QCOMPARE(toolbarAction(pane, "undoAction")->toolTip(), QStringLiteral("Undo"));
    QCOMPARE(toolbarAction(pane, "openAction")->toolTip(), QStringLiteral("Open..."));
    QCOMPARE(toolbarAction(pane, "saveAsAction")->toolTip(), QStringLiteral("Save as..."));
    QAction* save = toolbarAction(pane, "saveSampleAction");
    QCOMPARE(save->toolTip(), QStringLiteral("Save sample as..."));

    QSignalSpy requested(&pane, &TextPane::saveSampleRequested);
    save->trigger();
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested.first().first().value<Pane>(), Pane::Upper);
}

void TextPaneTest::copying_data()
{
    QTest::addColumn<Pane>("pane");
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<bool>("keepsFormatting");

    QTest::newRow("upper menu copy is plain") << Pane::Upper << true << false;
    QTest::newRow("lower menu copy keeps formatting") << Pane::Lower << true << true;
    QTest::newRow("upper toolbar copy keeps formatting") << Pane::Upper << false << true;
    QTest::newRow("lower toolbar copy keeps formatting") << Pane::Lower << false << true;
}

void TextPaneTest::copying()
{
    QFETCH(Pane, pane);
    QFETCH(bool, fromMenu);
    QFETCH(bool, keepsFormatting);

    TextPane source(pane);
    fillWithFormattedText(source);
    QApplication::clipboard()->clear();
    if (fromMenu) {
        std::unique_ptr<QMenu> menu(source.createContextMenu());
        menuEntry(*menu, QStringLiteral("Копировать"))->trigger();
    } else {
        toolbarAction(source, "copyAction")->trigger();
    }
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(copied->text(), QStringLiteral("plain bold"));
    QCOMPARE(copied->hasHtml(), keepsFormatting);

    // Pasting into the other pane shows whether the bold survived.
    TextPane target(pane == Pane::Upper ? Pane::Lower : Pane::Upper);
    toolbarAction(target, "pasteAction")->trigger();
    QCOMPARE(target.document()->toPlainText(), QStringLiteral("plain bold"));
    QTextCursor cursor(target.document());
    cursor.movePosition(QTextCursor::End);
    QCOMPARE(cursor.charFormat().fontWeight() == QFont::Bold, keepsFormatting);
}

void TextPaneTest::upperMenuCopyWithoutSelectionEmptiesTheClipboard()
{
    QApplication::clipboard()->setText(QStringLiteral("was here"));
    TextPane pane(Pane::Upper);
    pane.editor()->setPlainText(QStringLiteral("some text"));
    std::unique_ptr<QMenu> menu(pane.createContextMenu());
    menuEntry(*menu, QStringLiteral("Копировать"))->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString());
}

void TextPaneTest::clearCanBeUndone()
{
    TextPane upper(Pane::Upper);
    fillWithFormattedText(upper);
    toolbarAction(upper, "clearAction")->trigger();
    QVERIFY(upper.document()->isEmpty());

    // Text typed after clearing is plain again.
    QTest::keyClicks(upper.editor(), QStringLiteral("new"));
    QTextCursor cursor(upper.document());
    cursor.movePosition(QTextCursor::End);
    QVERIFY(cursor.charFormat().fontWeight() != QFont::Bold);

    toolbarAction(upper, "undoAction")->trigger();
    QVERIFY(upper.document()->isEmpty());
    toolbarAction(upper, "undoAction")->trigger();
    QCOMPARE(upper.document()->toPlainText(), QStringLiteral("plain bold"));
}

void TextPaneTest::deleteLeavesTheClipboardAlone()
{
    QApplication::clipboard()->setText(QStringLiteral("keep me"));
    TextPane pane(Pane::Lower);
    pane.editor()->setPlainText(QStringLiteral("one two three"));
    QTextCursor cursor(pane.document());
    cursor.setPosition(3);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    pane.editor()->setTextCursor(cursor);
    std::unique_ptr<QMenu> menu(pane.createContextMenu());
    menuEntry(*menu, QStringLiteral("Удалить"))->trigger();
    QCOMPARE(pane.document()->toPlainText(), QStringLiteral("one three"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("keep me"));
    menuEntry(*menu, QStringLiteral("Отменить"))->trigger();
    QCOMPARE(pane.document()->toPlainText(), QStringLiteral("one two three"));
}

void TextPaneTest::fontAndColor()
{
    TextPane pane(Pane::Lower);
    QCOMPARE(pane.editor()->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(pane.editor()->font().pixelSize(), 11);
    QCOMPARE(pane.textColor(), ColorValue::windowText());
    pane.setTextColor(ColorValue::fromRgb(0, 128, 0));
    QCOMPARE(pane.editor()->palette().color(QPalette::Text), QColor(0, 128, 0));
}

void TextPaneTest::openReplacesTheTextAsOneEdit_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("toolbar") << false;
    QTest::newRow("context menu") << true;
}

void TextPaneTest::openReplacesTheTextAsOneEdit()
{
    QFETCH(bool, fromMenu);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("letter.txt"));
    writeBytes(path, "na\xc3\xafve caf\xc3\xa9\r\n\xd0\x96");
    MessageBox::clearShown();
    TextPane pane(Pane::Upper);
    fillWithFormattedText(pane);

    FileDialogs::setNextAnswer(path);
    if (fromMenu) {
        std::unique_ptr<QMenu> menu(pane.createContextMenu());
        menuEntry(*menu, QStringLiteral("Open..."))->trigger();
    } else {
        toolbarAction(pane, "openAction")->trigger();
    }
    QCOMPARE(pane.document()->toPlainText(), QStringLiteral("naïve café\nЖ"));
    QVERIFY(MessageBox::shown().isEmpty());

    // One undo brings back the text and its formatting.
    toolbarAction(pane, "undoAction")->trigger();
    QCOMPARE(pane.document()->toPlainText(), QStringLiteral("plain bold"));
    QTextCursor cursor(pane.document());
    cursor.setPosition(8);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));

    // Cancelling the chooser changes nothing.
    toolbarAction(pane, "openAction")->trigger();
    QCOMPARE(pane.document()->toPlainText(), QStringLiteral("plain bold"));
}

void TextPaneTest::openRefusesWhatIsNoText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");
    QTest::newRow("20 MB") << QByteArray(20 * 1024 * 1024, 'w') << QStringLiteral("too large");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << QStringLiteral("not a text file");
}

void TextPaneTest::openRefusesWhatIsNoText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picked.txt"));
    writeBytes(path, bytes);
    MessageBox::clearShown();
    TextPane pane(Pane::Lower);
    pane.editor()->setPlainText(QStringLiteral("stays"));

    FileDialogs::setNextAnswer(path);
    toolbarAction(pane, "openAction")->trigger();
    QCOMPARE(pane.document()->toPlainText(), QStringLiteral("stays"));
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY2(MessageBox::shown().first().text.contains(path), qPrintable(MessageBox::shown().first().text));
    QVERIFY2(MessageBox::shown().first().text.contains(says), qPrintable(MessageBox::shown().first().text));
}

void TextPaneTest::saveAsWritesByExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("rich");
    QTest::newRow("rich text") << "out.rtf" << true;
    QTest::newRow("rich text, capitals") << "OUT.RTF" << true;
    QTest::newRow("plain text") << "out.txt" << false;
    QTest::newRow("no extension") << "out" << false;
}

void TextPaneTest::saveAsWritesByExtension()
{
    QFETCH(QString, name);
    QFETCH(bool, rich);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    MessageBox::clearShown();
    TextPane pane(Pane::Upper);
    QTextCursor cursor(pane.document());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("na\u00efve"), bold);
    cursor.insertText(QStringLiteral("\u00a0caf\u00e9 \u0416"), QTextCharFormat());
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second"));

    FileDialogs::setNextAnswer(path);
    toolbarAction(pane, "saveAsAction")->trigger();
    QVERIFY(MessageBox::shown().isEmpty());
    const QByteArray bytes = fileBytes(path);
    if (!rich) {
        QCOMPARE(bytes, QByteArray("na\xc3\xafve\xc2\xa0" "caf\xc3\xa9 \xd0\x96\nsecond"));
        return;
    }
    QVERIFY(bytes.startsWith("{\\rtf1"));
    // Opened again, it is what was saved, formatting included.
    TextPane reopened(Pane::Lower);
    QVERIFY(reopened.openFile(path));
    QCOMPARE(reopened.document()->toRawText(), pane.document()->toRawText());
    QTextCursor check(reopened.document());
    check.setPosition(2);
    QCOMPARE(check.charFormat().fontWeight(), int(QFont::Bold));
}

void TextPaneTest::saveAsNamesTheFileItCannotWrite()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("no such folder/out.txt"));
    MessageBox::clearShown();
    TextPane pane(Pane::Upper);
    pane.editor()->setPlainText(QStringLiteral("text"));
    FileDialogs::setNextAnswer(path);
    toolbarAction(pane, "saveAsAction")->trigger();
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QVERIFY(MessageBox::shown().first().text.contains(path));
}

void TextPaneTest::droppedFileIsOpened()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dropped.rtf"));
    writeBytes(path, "{\\rtf1 dropped {\\i text}}");
    MessageBox::clearShown();
    TextPane pane(Pane::Lower);
    pane.editor()->setPlainText(QStringLiteral("before"));
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));

    dropFiles(pane, {path});
    QTRY_COMPARE(pane.document()->toPlainText(), QStringLiteral("dropped text"));
    QVERIFY(MessageBox::shown().isEmpty());
    QTest::keyClick(pane.editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane.document()->toPlainText(), QStringLiteral("before"));
}

void TextPaneTest::droppingSeveralFilesSaysSo()
{
    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("a.txt"));
    const QString second = folder.filePath(QStringLiteral("b.txt"));
    writeBytes(first, "a");
    writeBytes(second, "b");
    MessageBox::clearShown();
    TextPane pane(Pane::Upper);
    pane.editor()->setPlainText(QStringLiteral("before"));
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));

    dropFiles(pane, {first, second});
    QTRY_COMPARE(MessageBox::shown().size(), 1);
    QVERIFY(shownTexts().first().contains(QStringLiteral("one file")));
    QCOMPARE(pane.document()->toPlainText(), QStringLiteral("before"));
}

// One unbroken word of a million characters, pasted, must not freeze the window: the limit
// below only guards against the minutes that wrapping at word boundaries takes.
void TextPaneTest::pastedLongWordWrapsAnywhere()
{
    TextPane pane(Pane::Upper);
    pane.resize(500, 300);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QCOMPARE(pane.editor()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    QElapsedTimer timer;
    timer.start();
    QApplication::clipboard()->setText(QString(1024 * 1024, QLatin1Char('x')));
    toolbarAction(pane, "pasteAction")->trigger();
    pane.document()->documentLayout()->documentSize();
    QApplication::processEvents();
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    QCOMPARE(pane.document()->characterCount(), 1024 * 1024 + 1);
    QCOMPARE(pane.editor()->wordWrapMode(), QTextOption::WrapAnywhere);
    // The lines wrap: the pane is no wider than it was.
    QVERIFY(pane.document()->documentLayout()->documentSize().width() < 1000);

    // Once the long word is gone, words wrap at their boundaries again.
    toolbarAction(pane, "clearAction")->trigger();
    QCOMPARE(pane.editor()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    toolbarAction(pane, "undoAction")->trigger();
    QCOMPARE(pane.editor()->wordWrapMode(), QTextOption::WrapAnywhere);
    // A run just short of the limit keeps wrapping at word boundaries.
    pane.editor()->setPlainText(QString(OverlongWordWrap::overlongRun, QLatin1Char('y')) + QStringLiteral(" z"));
    QCOMPARE(pane.editor()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextCursor(pane.document()).insertText(QStringLiteral("y"));
    QCOMPARE(pane.editor()->wordWrapMode(), QTextOption::WrapAnywhere);
}

QTEST_MAIN(TextPaneTest)
#include "TextPane_test.moc"
