#include "app/mainwindow/TextPane.h"
#include "app/shell/MessageBox.h"
#include "samples/CreateSampleDialog.h"
#include "samples/EditSampleDialog.h"
#include "samples/SampleEditor.h"
#include "samples/SamplesDialog.h"
#include "samples/SaveSampleDialog.h"
#include "tests/samples/support/ModalDriver.h"
#include "tests/samples/support/SampleFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace quendry;
using quendry::test::child;
using quendry::test::ModalDriver;
using quendry::test::SampleFixture;

Q_DECLARE_METATYPE(quendry::Pane)
Q_DECLARE_METATYPE(quendry::MessageBox::Button)

namespace {

enum class Window { Samples, CreateSample, SampleEditing, SaveSampleAs };

std::unique_ptr<QDialog> openWindow(Window window, SampleFixture& fixture)
{
    switch (window) {
    case Window::Samples:
        return std::make_unique<SamplesDialog>(fixture.library());
    case Window::CreateSample:
        return std::make_unique<CreateSampleDialog>(fixture.store(), fixture.settings());
    case Window::SampleEditing:
        return std::make_unique<EditSampleDialog>(fixture.store(), fixture.settings(), QStringLiteral("memo"));
    case Window::SaveSampleAs:
        return std::make_unique<SaveSampleDialog>(fixture.store(), fixture.settings(),
            *fixture.window().pane(Pane::Upper).document());
    }
    return nullptr;
}

void typeName(QDialog& dialog, const QString& name)
{
    QTest::keyClicks(child<QLineEdit>(dialog, "nameEdit"), name);
}

void click(QDialog& dialog, const char* button)
{
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

QStringList shownTexts()
{
    QStringList texts;
    for (const MessageBox::Shown& shown : MessageBox::shown())
        texts.append(shown.text);
    return texts;
}

// Every file in the program folder and below it, so a test sees anything written anywhere.
QStringList allFiles(const QString& folder)
{
    QStringList files;
    QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        files.append(entry.fileName());
        if (entry.isDir()) {
            for (const QString& inner : allFiles(entry.filePath()))
                files.append(entry.fileName() + QLatin1Char('/') + inner);
        }
    }
    return files;
}

} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(quendry::Setting)

class SampleEditingDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init()
    {
        MessageBox::setTestMode(true);
        MessageBox::clearShown();
    }
    void captions_data();
    void captions();
    void createWithBlankNameDoesNothing();
    void createOverAnExistingName_data();
    void createOverAnExistingName();
    void unsafeNameIsRefused_data();
    void unsafeNameIsRefused();
    void createThatCannotWriteKeepsTheText();
    void editingASampleReadInPartSaysSo();
    void saveAsStoresTheChosenPane_data();
    void saveAsStoresTheChosenPane();
    void saveAsNeverReplaces();
    void saveAsThatCannotWriteSaysSo();
    void saveAsOpensFromEitherToolbar_data();
    void saveAsOpensFromEitherToolbar();
    void editorContextMenu_data();
    void editorContextMenu();
    void placementComesBack_data();
    void placementComesBack();
    void tooSmallSizeOpensReadable_data();
    void tooSmallSizeOpensReadable();
};

// Saving would replace the file with the part that could be read, so the user is told first.
void SampleEditingDialogsTest::editingASampleReadInPartSaysSo()
{
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "{\\rtf1 kept" + QByteArray(300, '{') + " deep");
    EditSampleDialog dialog(fixture.store(), fixture.settings(), QStringLiteral("memo"));
    QCOMPARE(dialog.load(), std::nullopt);
    QCOMPARE(dialog.editor().toPlainText(), QStringLiteral("kept deep"));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Warning);
    QVERIFY(MessageBox::shown().first().text.contains(fixture.samplePath(QStringLiteral("memo.tqd"))));
}

void SampleEditingDialogsTest::captions_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Samples") << Window::Samples << QStringLiteral("Samples");
    QTest::newRow("Create sample") << Window::CreateSample << QStringLiteral("Create sample");
    QTest::newRow("Sample Editing") << Window::SampleEditing << QStringLiteral("Sample Editing");
    QTest::newRow("Save sample as") << Window::SaveSampleAs << QStringLiteral("Save sample as ");
}

void SampleEditingDialogsTest::captions()
{
    QFETCH(Window, window);
    QFETCH(QString, caption);
    SampleFixture fixture;
    const auto dialog = openWindow(window, fixture);
    QCOMPARE(dialog->windowTitle(), caption);
}

void SampleEditingDialogsTest::createWithBlankNameDoesNothing()
{
    SampleFixture fixture;
    CreateSampleDialog dialog(fixture.store(), fixture.settings());
    dialog.show();
    typeName(dialog, QStringLiteral("  \t "));
    dialog.editor().setPlainText(QStringLiteral("text"));
    click(dialog, "saveButton");
    QVERIFY(dialog.isVisible());
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(fixture.store().list().names.isEmpty());
}

void SampleEditingDialogsTest::createOverAnExistingName_data()
{
    QTest::addColumn<MessageBox::Button>("answer");
    QTest::newRow("no keeps the window") << MessageBox::Button::No;
    QTest::newRow("yes replaces") << MessageBox::Button::Yes;
}

void SampleEditingDialogsTest::createOverAnExistingName()
{
    QFETCH(MessageBox::Button, answer);
    const bool replace = answer == MessageBox::Button::Yes;
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "the old sample");
    CreateSampleDialog dialog(fixture.store(), fixture.settings());
    dialog.show();
    typeName(dialog, QStringLiteral("memo "));
    dialog.editor().setPlainText(QStringLiteral("the new sample"));

    MessageBox::setNextAnswer(answer);
    click(dialog, "saveButton");

    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Question);
    QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Question"));
    QCOMPARE(MessageBox::shown().first().text, QStringLiteral("Sample with that name already exists. Replace?"));
    QCOMPARE(dialog.isVisible(), !replace);
    QCOMPARE(dialog.editor().toPlainText(), QStringLiteral("the new sample"));
    QCOMPARE(child<QLineEdit>(dialog, "nameEdit")->text(), QStringLiteral("memo "));
    QCOMPARE(fixture.sampleText(QStringLiteral("memo")),
        replace ? QStringLiteral("the new sample") : QStringLiteral("the old sample"));
    QCOMPARE(MessageBox::shown().size(), replace ? 2 : 1);
    if (replace) {
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("Saved successfully."));
        QCOMPARE(dialog.savedName(), QStringLiteral("memo"));
    }
}

void SampleEditingDialogsTest::unsafeNameIsRefused_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("name");
    QTest::newRow("create: parent folder") << Window::CreateSample << QStringLiteral("../notes");
    QTest::newRow("create: subfolder") << Window::CreateSample << QStringLiteral("a/b");
    QTest::newRow("create: device") << Window::CreateSample << QStringLiteral("CON");
    QTest::newRow("save as: parent folder") << Window::SaveSampleAs << QStringLiteral("../notes");
    QTest::newRow("save as: backslash") << Window::SaveSampleAs << QStringLiteral("..\\notes");
    QTest::newRow("save as: only dots") << Window::SaveSampleAs << QStringLiteral("..");
}

void SampleEditingDialogsTest::unsafeNameIsRefused()
{
    QFETCH(Window, window);
    QFETCH(QString, name);
    SampleFixture fixture;
    fixture.setPaneText(Pane::Upper, QStringLiteral("pane text"));
    const QStringList before = allFiles(fixture.folder().folder().path());
    const auto dialog = openWindow(window, fixture);
    dialog->show();
    if (auto* create = qobject_cast<CreateSampleDialog*>(dialog.get()))
        create->editor().setPlainText(QStringLiteral("typed text"));
    typeName(*dialog, name);
    click(*dialog, window == Window::SaveSampleAs ? "okButton" : "saveButton");

    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Warning);
    QVERIFY2(MessageBox::shown().first().text.contains(QLatin1Char('"') + name + QLatin1Char('"')),
        qPrintable(MessageBox::shown().first().text));
    QVERIFY(dialog->isVisible());
    QCOMPARE(child<QLineEdit>(*dialog, "nameEdit")->text(), name);
    if (auto* create = qobject_cast<CreateSampleDialog*>(dialog.get()))
        QCOMPARE(create->editor().toPlainText(), QStringLiteral("typed text"));
    // Nothing written anywhere: the sample folder holds nothing and nothing new is beside it.
    QStringList after = allFiles(fixture.folder().folder().path());
    after.removeAll(SampleStore::folderName());
    QCOMPARE(after, before);
}

void SampleEditingDialogsTest::createThatCannotWriteKeepsTheText()
{
    SampleFixture fixture;
    // A folder where the sample's file would go makes the write fail.
    QDir().mkpath(fixture.store().filePath(QStringLiteral("memo")));
    CreateSampleDialog dialog(fixture.store(), fixture.settings());
    dialog.show();
    typeName(dialog, QStringLiteral("memo"));
    dialog.editor().setPlainText(QStringLiteral("hours of typing"));
    click(dialog, "saveButton");

    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QVERIFY(MessageBox::shown().first().text.contains(QStringLiteral("memo.tqd")));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.editor().toPlainText(), QStringLiteral("hours of typing"));
}

void SampleEditingDialogsTest::saveAsStoresTheChosenPane_data()
{
    QTest::addColumn<Pane>("pane");
    QTest::newRow("upper") << Pane::Upper;
    QTest::newRow("lower") << Pane::Lower;
}

void SampleEditingDialogsTest::saveAsStoresTheChosenPane()
{
    QFETCH(Pane, pane);
    SampleFixture fixture;
    fixture.setPaneText(Pane::Upper, QStringLiteral("upper text"));
    fixture.setPaneText(Pane::Lower, QStringLiteral("lower text"));
    fixture.library().remembered().remember(Pane::Upper, QStringLiteral("earlier"));
    SaveSampleDialog dialog(fixture.store(), fixture.settings(), *fixture.window().pane(pane).document());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, "nameEdit"));
    QVERIFY(child<QLineEdit>(dialog, "nameEdit")->text().isEmpty());
    typeName(dialog, QStringLiteral(" kept "));
    click(dialog, "okButton");

    QCOMPARE(shownTexts(), QStringList{QStringLiteral("Sample saved successfully.")});
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fixture.sampleText(QStringLiteral("kept")), fixture.paneText(pane));
    QCOMPARE(fixture.library().remembered().name(Pane::Upper), QStringLiteral("earlier"));
    QCOMPARE(fixture.library().remembered().name(Pane::Lower), QString());
}

void SampleEditingDialogsTest::saveAsNeverReplaces()
{
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "the old sample");
    fixture.setPaneText(Pane::Lower, QStringLiteral("pane text"));
    SaveSampleDialog dialog(fixture.store(), fixture.settings(), *fixture.window().pane(Pane::Lower).document());
    dialog.show();
    typeName(dialog, QStringLiteral("memo"));
    click(dialog, "okButton");

    QCOMPARE(shownTexts(), QStringList{QStringLiteral("Sample with that name already exists.")});
    QVERIFY(dialog.isVisible());
    QCOMPARE(fixture.sampleFile(QStringLiteral("memo.tqd")), QByteArray("the old sample"));

    // Another name then goes through.
    child<QLineEdit>(dialog, "nameEdit")->clear();
    typeName(dialog, QStringLiteral("memo 2"));
    click(dialog, "okButton");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fixture.sampleText(QStringLiteral("memo 2")), QStringLiteral("pane text"));
}

void SampleEditingDialogsTest::saveAsThatCannotWriteSaysSo()
{
    SampleFixture fixture;
    fixture.setPaneText(Pane::Upper, QStringLiteral("pane text"));
    // A folder where the file would go: not a sample, so no clash, but the write fails.
    QDir().mkpath(fixture.store().filePath(QStringLiteral("memo")));
    SaveSampleDialog dialog(fixture.store(), fixture.settings(), *fixture.window().pane(Pane::Upper).document());
    dialog.show();
    typeName(dialog, QStringLiteral("memo"));
    click(dialog, "okButton");

    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(MessageBox::shown().first().text.startsWith(QStringLiteral("Sample cannot be saved.")));
    QVERIFY(!shownTexts().contains(QStringLiteral("Sample saved successfully.")));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fixture.paneText(Pane::Upper), QStringLiteral("pane text"));
}

void SampleEditingDialogsTest::saveAsOpensFromEitherToolbar_data()
{
    QTest::addColumn<Pane>("pane");
    QTest::addColumn<QString>("toolbar");
    QTest::newRow("upper") << Pane::Upper << QStringLiteral("upperToolbar");
    QTest::newRow("lower") << Pane::Lower << QStringLiteral("lowerToolbar");
}

void SampleEditingDialogsTest::saveAsOpensFromEitherToolbar()
{
    QFETCH(Pane, pane);
    QFETCH(QString, toolbar);
    SampleFixture fixture;
    fixture.setPaneText(Pane::Upper, QStringLiteral("upper text"));
    fixture.setPaneText(Pane::Lower, QStringLiteral("lower text"));
    fixture.window().show();
    QWidget* bar = child<QWidget>(fixture.window(), toolbar.toLatin1().constData());
    QAction* saveSample = child<QAction>(*bar, "saveSampleAction");
    QVERIFY(saveSample->isEnabled());

    ModalDriver driver(QStringLiteral("saveSampleDialog"), [](QWidget* window) {
        typeName(*qobject_cast<QDialog*>(window), QStringLiteral("from the pane"));
        click(*qobject_cast<QDialog*>(window), "okButton");
    });
    saveSample->trigger();
    QVERIFY(driver.ran());
    QCOMPARE(fixture.sampleText(QStringLiteral("from the pane")), fixture.paneText(pane));
}

void SampleEditingDialogsTest::editorContextMenu_data()
{
    QTest::addColumn<Window>("window");
    QTest::newRow("Create sample") << Window::CreateSample;
    QTest::newRow("Sample Editing") << Window::SampleEditing;
}

void SampleEditingDialogsTest::editorContextMenu()
{
    QFETCH(Window, window);
    SampleFixture fixture;
    const auto dialog = openWindow(window, fixture);
    auto* editor = child<SampleEditor>(*dialog, "sampleEditor");
    std::unique_ptr<QMenu> menu(editor->createContextMenu());
    QStringList captions;
    for (QAction* action : menu->actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    const QStringList expected{QStringLiteral("Отменить"), QStringLiteral("-"), QStringLiteral("Вырезать"),
        QStringLiteral("Копировать"), QStringLiteral("Вставить"), QStringLiteral("Удалить"), QStringLiteral("-"),
        QStringLiteral("Выделить всё")};
    QCOMPARE(captions, expected);

    // "Удалить" takes the selection away without touching the clipboard.
    QApplication::clipboard()->setText(QStringLiteral("on the clipboard"));
    editor->setPlainText(QStringLiteral("keep this drop this"));
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(10);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    menu->actions().at(5)->trigger();
    QCOMPARE(editor->toPlainText(), QStringLiteral("keep this "));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("on the clipboard"));
}

void SampleEditingDialogsTest::placementComesBack_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QPoint>("designPosition");
    QTest::addColumn<QSize>("defaultSize");
    QTest::addColumn<Setting>("width");
    QTest::addColumn<Setting>("height");
    QTest::addColumn<Setting>("left");
    QTest::addColumn<Setting>("top");
    QTest::newRow("Samples") << Window::Samples << QPoint(343, 299) << QSize(490, 200) << Setting::SamplesWidth
                             << Setting::SamplesHeight << Setting::SamplesLeft << Setting::SamplesTop;
    QTest::newRow("Create sample") << Window::CreateSample << QPoint(325, 244) << QSize(490, 200)
                                   << Setting::CreateSampleWidth << Setting::CreateSampleHeight
                                   << Setting::CreateSampleLeft << Setting::CreateSampleTop;
    QTest::newRow("Sample Editing") << Window::SampleEditing << QPoint(335, 275) << QSize(200, 300)
                                    << Setting::EditSampleWidth << Setting::EditSampleHeight
                                    << Setting::EditSampleLeft << Setting::EditSampleTop;
    // Save sample as sizes itself and keeps its position only.
    QTest::newRow("Save sample as") << Window::SaveSampleAs << QPoint(360, 320) << QSize() << Setting::SaveSampleLeft
                                    << Setting::SaveSampleTop << Setting::SaveSampleLeft << Setting::SaveSampleTop;
}

void SampleEditingDialogsTest::placementComesBack()
{
    QFETCH(Window, window);
    QFETCH(QPoint, designPosition);
    QFETCH(QSize, defaultSize);
    QFETCH(Setting, width);
    QFETCH(Setting, height);
    QFETCH(Setting, left);
    QFETCH(Setting, top);
    const bool keepsSize = defaultSize.isValid();
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "text");

    {
        const auto dialog = openWindow(window, fixture);
        dialog->show();
        QCOMPARE(dialog->pos(), designPosition);
        if (keepsSize) {
            // A default too narrow for the window's title opens wider (below); the defaults are
            // written as they are.
            QVERIFY(dialog->width() >= defaultSize.width());
            QCOMPARE(dialog->height(), defaultSize.height());
            QCOMPARE(fixture.settings().text(width), QString::number(defaultSize.width()));
            QCOMPARE(fixture.settings().text(height), QString::number(defaultSize.height()));
            dialog->resize(defaultSize + QSize(200, 30));
        }
        dialog->move(50, 60);
        dialog->reject();
    }
    QCOMPARE(fixture.settings().text(left), QStringLiteral("50"));
    QCOMPARE(fixture.settings().text(top), QStringLiteral("60"));

    const auto again = openWindow(window, fixture);
    again->show();
    QCOMPARE(again->pos(), QPoint(50, 60));
    if (keepsSize)
        QCOMPARE(again->size(), defaultSize + QSize(200, 30));
}

void SampleEditingDialogsTest::tooSmallSizeOpensReadable_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<Setting>("width");
    QTest::addColumn<Setting>("height");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Samples, stored tiny") << Window::Samples << Setting::SamplesWidth << Setting::SamplesHeight << "10";
    QTest::newRow("Create sample, stored tiny") << Window::CreateSample << Setting::CreateSampleWidth
                                                << Setting::CreateSampleHeight << "10";
    QTest::newRow("Sample Editing, stored tiny") << Window::SampleEditing << Setting::EditSampleWidth
                                                 << Setting::EditSampleHeight << "10";
    QTest::newRow("Sample Editing, default") << Window::SampleEditing << Setting::EditSampleWidth
                                             << Setting::EditSampleHeight << "";
}

void SampleEditingDialogsTest::tooSmallSizeOpensReadable()
{
    QFETCH(Window, window);
    QFETCH(Setting, width);
    QFETCH(Setting, height);
    QFETCH(QString, stored);
    SampleFixture fixture;
    fixture.writeSampleFile(QStringLiteral("memo.tqd"), "text");
    fixture.settings().setText(width, stored);
    fixture.settings().setText(height, stored);

    const auto dialog = openWindow(window, fixture);
    dialog->show();
    // The controls fit, and the title with room for a title bar's icon and buttons beside it.
    QVERIFY(dialog->width() >= dialog->minimumSizeHint().width());
    QVERIFY(dialog->height() >= dialog->minimumSizeHint().height());
    QFont titleFont = dialog->font();
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle());
    QVERIFY2(dialog->width() >= titleWidth + 120, qPrintable(QStringLiteral("%1 wide").arg(dialog->width())));
    // What was stored stays stored until the window closes.
    if (!stored.isEmpty())
        QCOMPARE(fixture.settings().text(width), stored);
}

QTEST_MAIN(SampleEditingDialogsTest)
#include "SampleEditingDialogs_test.moc"
