#include "app/mainwindow/TextPane.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>
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
        QStringLiteral("Выделить всё")};
    QCOMPARE(captions, expected);
}

void TextPaneTest::toolbarHints()
{
    TextPane pane(Pane::Upper);
    QCOMPARE(toolbarAction(pane, "clearAction")->toolTip(), QStringLiteral("Clear"));
    QCOMPARE(toolbarAction(pane, "copyAction")->toolTip(), QStringLiteral("Copy to Clipboard"));
    QCOMPARE(toolbarAction(pane, "pasteAction")->toolTip(), QStringLiteral("Paste from Clipboard"));
    QCOMPARE(toolbarAction(pane, "undoAction")->toolTip(), QStringLiteral("Undo"));
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

QTEST_MAIN(TextPaneTest)
#include "TextPane_test.moc"
