#include "app/shell/MessageBox.h"
#include "samples/EditSampleDialog.h"
#include "samples/SampleEditor.h"
#include "samples/SamplesDialog.h"
#include "tests/samples/support/ModalDriver.h"
#include "tests/samples/support/SampleFixture.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

using namespace quendry;
using quendry::test::child;
using quendry::test::ModalDriver;
using quendry::test::SampleFixture;

Q_DECLARE_METATYPE(quendry::Pane)
Q_DECLARE_METATYPE(quendry::MessageBox::Button)

namespace {

QListWidget& sampleList(SamplesDialog& dialog)
{
    return *child<QListWidget>(dialog, "sampleList");
}

QStringList listed(SamplesDialog& dialog)
{
    QStringList names;
    for (int i = 0; i < sampleList(dialog).count(); ++i)
        names.append(sampleList(dialog).item(i)->text());
    return names;
}

void select(SamplesDialog& dialog, const QString& name)
{
    const auto found = sampleList(dialog).findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no sample listed under that name");
    sampleList(dialog).setCurrentItem(found.first());
}

void trigger(SamplesDialog& dialog, const char* action)
{
    child<QAction>(dialog, action)->trigger();
}

QStringList shownTexts()
{
    QStringList texts;
    for (const MessageBox::Shown& shown : MessageBox::shown())
        texts.append(shown.text);
    return texts;
}

} // namespace

class SamplesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init()
    {
        MessageBox::setTestMode(true);
        MessageBox::clearShown();
    }
    void emptyFolderGivesAnEmptyList();
    void openingSelectsTheFirstName();
    void renameChecksTheNewName_data();
    void renameChecksTheNewName();
    void renameKeepsThePaneRemembered();
    void renameWithoutSelectionAsksForOne();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteQuestionAnsweredByKey_data();
    void deleteQuestionAnsweredByKey();
    void pasteReplacesOnePane_data();
    void pasteReplacesOnePane();
    void pasteWithoutASampleFileDoesNothing();
    void pasteOfASampleReadInPartSaysSo();
    void editWithoutASampleFileSaysSo();
    void editSavesTheSample_data();
    void editSavesTheSample();
    void addedSampleIsSelected();
};

void SamplesDialogTest::emptyFolderGivesAnEmptyList()
{
    SampleFixture fixture;
    SamplesDialog dialog(fixture.library());
    dialog.show();
    QVERIFY(QFileInfo(fixture.store().folderPath()).isDir());
    QCOMPARE(sampleList(dialog).count(), 0);
    QVERIFY(sampleList(dialog).selectedItems().isEmpty());

    trigger(dialog, "editAction");
    trigger(dialog, "pasteUpperAction");
    trigger(dialog, "pasteLowerAction");
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(dialog.isVisible());

    trigger(dialog, "deleteAction");
    QCOMPARE(shownTexts(), QStringList{QStringLiteral("Please select a sample.")});
    QCOMPARE(MessageBox::shown().first().title, MessageBox::applicationTitle());
}

void SamplesDialogTest::openingSelectsTheFirstName()
{
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("beta.tqd"), "b");
    fixture.writeSampleFile(QStringLiteral("alpha.tqd"), "a");
    SamplesDialog dialog(fixture.library());
    QCOMPARE(listed(dialog), (QStringList{QStringLiteral("alpha"), QStringLiteral("beta")}));
    QCOMPARE(dialog.selectedName(), QStringLiteral("alpha"));
}

void SamplesDialogTest::renameChecksTheNewName_data()
{
    QTest::addColumn<QString>("typed");
    // The listed names afterwards, and whether the rename window is still open (a refused name).
    QTest::addColumn<QStringList>("listedAfter");
    QTest::addColumn<bool>("stillOpen");
    QTest::addColumn<QString>("message");

    QTest::newRow("new name, blanks trimmed") << "  new memo \t" << QStringList{"new memo", "other"} << false << "";
    QTest::newRow("blank: nothing happens") << "   " << QStringList{"memo", "other"} << true << "";
    QTest::newRow("unchanged: nothing happens") << "memo" << QStringList{"memo", "other"} << false << "";
    QTest::newRow("taken by another sample") << "other" << QStringList{"memo", "other"} << true
                                             << "Sample with that name already exists.";
    QTest::newRow("leads out of the folder") << "../memo" << QStringList{"memo", "other"} << true << "/";
    QTest::newRow("reserved device name") << "CON" << QStringList{"memo", "other"} << true << "CON";
}

void SamplesDialogTest::renameChecksTheNewName()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, listedAfter);
    QFETCH(bool, stillOpen);
    QFETCH(QString, message);
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "memo bytes");
    fixture.writeSampleFile(QStringLiteral("other.tqd"), "other bytes");
    SamplesDialog dialog(fixture.library());
    select(dialog, QStringLiteral("memo"));

    bool open = false;
    ModalDriver driver(QStringLiteral("renameSampleDialog"), [&](QWidget* window) {
        auto* edit = child<QLineEdit>(*window, "nameEdit");
        QCOMPARE(edit->text(), QStringLiteral("memo"));
        edit->setText(typed);
        QTest::mouseClick(child<QPushButton>(*window, "okButton"), Qt::LeftButton);
        open = window->isVisible();
        if (open)
            child<QPushButton>(*window, "closeButton")->click();
    });
    trigger(dialog, "renameAction");
    QVERIFY(driver.ran());
    QCOMPARE(open, stillOpen);
    QCOMPARE(listed(dialog), listedAfter);
    if (message.isEmpty())
        QVERIFY(MessageBox::shown().isEmpty());
    else
        QVERIFY2(shownTexts().value(0).contains(message), qPrintable(shownTexts().join(u'|')));
    // The text moves with the name, byte for byte; the other sample is untouched.
    const QString memoFile = listedAfter.first() + QStringLiteral(".tqd");
    QCOMPARE(fixture.sampleFile(memoFile), QByteArray("memo bytes"));
    QCOMPARE(fixture.sampleFile(QStringLiteral("other.tqd")), QByteArray("other bytes"));
    QCOMPARE(fixture.sampleFileExists(QStringLiteral("memo.tqd")), listedAfter.first() == QStringLiteral("memo"));
    QCOMPARE(dialog.selectedName(), listedAfter.first());
}

void SamplesDialogTest::renameKeepsThePaneRemembered()
{
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "memo text");
    QVERIFY(fixture.library().putIntoPane(QStringLiteral("memo"), Pane::Lower, nullptr));
    QVERIFY(!fixture.library().renameSample(QStringLiteral("memo"), QStringLiteral("letter")));
    QCOMPARE(fixture.library().remembered().name(Pane::Lower), QStringLiteral("letter"));
    QCOMPARE(fixture.library().remembered().name(Pane::Upper), QString());
    QCOMPARE(fixture.sampleText(QStringLiteral("letter")), QStringLiteral("memo text"));
    // A sample gone in the meantime is reported, and nothing changes.
    const auto error = fixture.library().renameSample(QStringLiteral("memo"), QStringLiteral("note"));
    QVERIFY(error && error->contains(QStringLiteral("memo.tqd")));
    QCOMPARE(fixture.library().remembered().name(Pane::Lower), QStringLiteral("letter"));
    QVERIFY(!fixture.sampleFileExists(QStringLiteral("note.tqd")));
}

void SamplesDialogTest::renameWithoutSelectionAsksForOne()
{
    SampleFixture fixture;
    SamplesDialog dialog(fixture.library());
    trigger(dialog, "renameAction");
    QCOMPARE(shownTexts(), QStringList{QStringLiteral("Please select a sample.")});
}

void SamplesDialogTest::deleteAsksFirst_data()
{
    QTest::addColumn<MessageBox::Button>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("yes") << MessageBox::Button::Yes << QStringList{QStringLiteral("memo")};
    QTest::newRow("no") << MessageBox::Button::No << QStringList{QStringLiteral("last one"), QStringLiteral("memo")};
}

void SamplesDialogTest::deleteAsksFirst()
{
    QFETCH(MessageBox::Button, answer);
    QFETCH(QStringList, left);
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "kept");
    fixture.writeSampleFile(QStringLiteral("last one.tqd"), "text");
    SamplesDialog dialog(fixture.library());
    select(dialog, QStringLiteral("last one"));

    MessageBox::setNextAnswer(answer);
    trigger(dialog, "deleteAction");
    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown question = MessageBox::shown().first();
    QCOMPARE(question.kind, MessageBox::Kind::Question);
    QCOMPARE(question.title, QStringLiteral("Delete"));
    QCOMPARE(question.text, QStringLiteral("Are you sure you wont to delete sample - last one?"));

    QCOMPARE(listed(dialog), left);
    QCOMPARE(fixture.sampleFileExists(QStringLiteral("last one.tqd")), answer != MessageBox::Button::Yes);
    QCOMPARE(fixture.sampleFile(QStringLiteral("memo.tqd")), QByteArray("kept"));
    QCOMPARE(dialog.selectedName(), left.first());

    if (answer == MessageBox::Button::Yes) {
        // Deleting the last sample leaves an empty list.
        MessageBox::setNextAnswer(MessageBox::Button::Yes);
        trigger(dialog, "deleteAction");
        QCOMPARE(sampleList(dialog).count(), 0);
        QVERIFY(!fixture.sampleFileExists(QStringLiteral("memo.tqd")));
        QVERIFY(fixture.store().list().names.isEmpty());
    }
}

void SamplesDialogTest::deleteQuestionAnsweredByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("Esc answers No") << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter answers Yes") << int(Qt::Key_Return) << true;
}

void SamplesDialogTest::deleteQuestionAnsweredByKey()
{
    QFETCH(int, key);
    QFETCH(bool, deleted);
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "text");
    SamplesDialog dialog(fixture.library());
    dialog.show();

    // The real box, answered from the keyboard.
    MessageBox::setTestMode(false);
    QStringList buttons;
    QString defaultButton;
    ModalDriver driver(ModalDriver::messageBox(), [&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text());
        if (box->defaultButton())
            defaultButton = box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key(key));
    });
    trigger(dialog, "deleteAction");
    MessageBox::setTestMode(true);

    QVERIFY(driver.ran());
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));
    QCOMPARE(defaultButton, QStringLiteral("Yes"));
    QCOMPARE(fixture.sampleFileExists(QStringLiteral("memo.tqd")), !deleted);
    QCOMPARE(sampleList(dialog).count(), deleted ? 0 : 1);
}

void SamplesDialogTest::pasteReplacesOnePane_data()
{
    QTest::addColumn<Pane>("pane");
    QTest::addColumn<QString>("action");
    QTest::newRow("upper") << Pane::Upper << QStringLiteral("pasteUpperAction");
    QTest::newRow("lower") << Pane::Lower << QStringLiteral("pasteLowerAction");
}

void SamplesDialogTest::pasteReplacesOnePane()
{
    QFETCH(Pane, pane);
    QFETCH(QString, action);
    const Pane other = pane == Pane::Upper ? Pane::Lower : Pane::Upper;
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "{\\rtf1\\ansi {\\b Known} writer's text\\par second line}");
    fixture.setPaneText(pane, QStringLiteral("text that goes"));
    fixture.setPaneText(other, QStringLiteral("text that stays"));
    QTextCursor bold(fixture.editor(pane).document());
    bold.setPosition(4, QTextCursor::KeepAnchor);
    QTextCharFormat boldFormat;
    boldFormat.setFontWeight(QFont::Bold);
    bold.mergeCharFormat(boldFormat);

    SamplesDialog dialog(fixture.library());
    dialog.show();
    select(dialog, QStringLiteral("memo"));
    child<QAction>(dialog, action.toLatin1().constData())->trigger();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(fixture.paneText(pane), QStringLiteral("Known writer's text\nsecond line"));
    QCOMPARE(fixture.paneText(other), QStringLiteral("text that stays"));
    QCOMPARE(fixture.library().remembered().name(pane), QStringLiteral("memo"));
    QCOMPARE(fixture.library().remembered().name(other), QString());
    QVERIFY(MessageBox::shown().isEmpty());

    // Putting the sample in was one edit: Ctrl+Z brings back the text it replaced, formatting and all.
    QTest::keyClick(&fixture.editor(pane), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fixture.paneText(pane), QStringLiteral("text that goes"));
    QTextCursor cursor(fixture.editor(pane).document());
    cursor.setPosition(2);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
    cursor.setPosition(7);
    QVERIFY(cursor.charFormat().fontWeight() != QFont::Bold);
    QTest::keyClick(&fixture.editor(pane), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fixture.paneText(pane), QStringLiteral("Known writer's text\nsecond line"));
}

void SamplesDialogTest::pasteOfASampleReadInPartSaysSo()
{
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("cut.tqd"), "{\\rtf1 the first half{\\b and");
    SamplesDialog dialog(fixture.library());
    dialog.show();
    select(dialog, QStringLiteral("cut"));
    trigger(dialog, "pasteUpperAction");
    QCOMPARE(fixture.paneText(Pane::Upper), QStringLiteral("the first halfand"));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Warning);
    QVERIFY(MessageBox::shown().first().text.contains(fixture.samplePath(QStringLiteral("cut.tqd"))));
}

void SamplesDialogTest::pasteWithoutASampleFileDoesNothing()
{
    SampleFixture fixture;
    // Listed with its whole name, so no file "NOTES.TQD.tqd" stands behind it.
    fixture.writeSampleFile(QStringLiteral("NOTES.TQD"), "text");
    fixture.setPaneText(Pane::Upper, QStringLiteral("typed"));
    SamplesDialog dialog(fixture.library());
    dialog.show();
    QCOMPARE(dialog.selectedName(), QStringLiteral("NOTES.TQD"));

    trigger(dialog, "pasteUpperAction");
    QVERIFY(dialog.isVisible());
    QCOMPARE(fixture.paneText(Pane::Upper), QStringLiteral("typed"));
    QCOMPARE(fixture.library().remembered().name(Pane::Upper), QString());
    QVERIFY(MessageBox::shown().isEmpty());
}

void SamplesDialogTest::editWithoutASampleFileSaysSo()
{
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("NOTES.TQD"), "text");
    SamplesDialog dialog(fixture.library());
    dialog.show();
    ModalDriver editor(QStringLiteral("editSampleDialog"), [](QWidget* window) { window->close(); });
    trigger(dialog, "editAction");

    QVERIFY(!editor.ran());
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QVERIFY2(MessageBox::shown().first().text.contains(QStringLiteral("NOTES.TQD.tqd")),
        qPrintable(MessageBox::shown().first().text));
}

void SamplesDialogTest::editSavesTheSample_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("Edit") << false;
    QTest::newRow("double-click") << true;
}

void SamplesDialogTest::editSavesTheSample()
{
    QFETCH(bool, doubleClick);
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("first.tqd"), "first");
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "old text");
    SamplesDialog dialog(fixture.library());
    dialog.show();
    select(dialog, QStringLiteral("memo"));

    QString loaded;
    QString caption;
    ModalDriver editor(QStringLiteral("editSampleDialog"), [&](QWidget* window) {
        auto& editDialog = *qobject_cast<EditSampleDialog*>(window);
        caption = editDialog.windowTitle();
        loaded = editDialog.editor().toPlainText();
        editDialog.editor().setPlainText(QStringLiteral("new text"));
        QTest::mouseClick(child<QPushButton>(editDialog, "saveButton"), Qt::LeftButton);
    });
    if (doubleClick) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget& list = sampleList(dialog);
        const QRect row = list.visualItemRect(list.currentItem());
        // A double-click is a press and release followed by the double-click itself.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
    } else {
        trigger(dialog, "editAction");
    }

    QVERIFY(editor.ran());
    QCOMPARE(caption, QStringLiteral("Sample Editing"));
    QCOMPARE(loaded, QStringLiteral("old text"));
    QCOMPARE(fixture.sampleText(QStringLiteral("memo")), QStringLiteral("new text"));
    QCOMPARE(fixture.sampleFile(QStringLiteral("first.tqd")), QByteArray("first"));
    QCOMPARE(shownTexts(), QStringList{QStringLiteral("Saved successfully.")});
}

void SamplesDialogTest::addedSampleIsSelected()
{
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("alpha.tqd"), "a");
    SamplesDialog dialog(fixture.library());
    dialog.show();

    ModalDriver creator(QStringLiteral("createSampleDialog"), [](QWidget* window) {
        QTest::keyClicks(child<QLineEdit>(*window, "nameEdit"), QStringLiteral("  memo 3  "));
        child<SampleEditor>(*window, "sampleEditor")->setPlainText(QStringLiteral("A known writer's text."));
        QTest::mouseClick(child<QPushButton>(*window, "saveButton"), Qt::LeftButton);
    });
    trigger(dialog, "addAction");

    QVERIFY(creator.ran());
    QVERIFY(fixture.sampleFileExists(QStringLiteral("memo 3.tqd")));
    QCOMPARE(fixture.sampleText(QStringLiteral("memo 3")), QStringLiteral("A known writer's text."));
    QCOMPARE(listed(dialog), (QStringList{QStringLiteral("alpha"), QStringLiteral("memo 3")}));
    QCOMPARE(dialog.selectedName(), QStringLiteral("memo 3"));
    QCOMPARE(shownTexts(), QStringList{QStringLiteral("Saved successfully.")});
}

QTEST_MAIN(SamplesDialogTest)
#include "SamplesDialog_test.moc"
