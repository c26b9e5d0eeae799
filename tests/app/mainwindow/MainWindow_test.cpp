#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/TextPane.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/DesktopOpener.h"
#include "app/shell/MessageBox.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextBrowser>
#include <QTextEdit>
#include <QUrl>
#include <QtTest>

using namespace quendry;
using quendry::test::GuiTestFolder;

Q_DECLARE_METATYPE(quendry::Pane)
Q_DECLARE_METATYPE(quendry::MessageBox::Button)

namespace {

template <typename T>
T* child(QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

QWidget* strip(QWidget& window, const char* name)
{
    return child<QWidget>(window, name);
}

void chooseTheme(MainWindow& window, const QString& name)
{
    child<QComboBox>(window, "themeSelector")->setCurrentText(name);
    QTest::mouseClick(child<QPushButton>(window, "themeSaveButton"), Qt::LeftButton);
}

QColor paneTextColor(MainWindow& window, Pane which)
{
    return window.pane(which).editor()->palette().color(QPalette::Text);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init() { MessageBox::clearShown(); }
    void firstStart();
    void layoutHasNoGapsAndFullStrips();
    void storedSizes_data();
    void storedSizes();
    void placementAndUpperHeightComeBack();
    void placementOffEveryScreenIsCorrected();
    void maximisedWindowStoresItsNormalPlace();
    void closeAndRestartKeepsPanesAndTheme();
    void classicSwitchesTheThemeOff();
    void unknownStoredThemeGivesClassic();
    void windowTextFollowsTheTheme();
    void missingDictionaryEndsTheProgram();
    void plainTextPaneFile();
    void unreadablePaneFileIsLeftAlone();
    void paneThatCannotBeSavedAsksBeforeClosing_data();
    void paneThatCannotBeSavedAsksBeforeClosing();
    void storedColors_data();
    void storedColors();
    void putFileIntoPane();
    void helpOpensTheHelpPage();
    void sampleButtonsAskForTheLibrary();
    void helpWithoutADesktopProgram_data();
    void helpWithoutADesktopProgram();
};

void MainWindowTest::firstStart()
{
    GuiTestFolder folder;
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    QVERIFY(window.checkDictionary());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    SettingsStore& settings = folder.settings();
    QCOMPARE(settings.text(Setting::WindowWidth), QStringLiteral("800"));
    QCOMPARE(settings.text(Setting::WindowHeight), QStringLiteral("540"));
    QCOMPARE(settings.text(Setting::UpperAreaHeight), QStringLiteral("260"));
    QCOMPARE(settings.text(Setting::Hist), QStringLiteral("1"));
    QCOMPARE(settings.text(Setting::StrColor), QStringLiteral("1"));
    QCOMPARE(settings.text(Setting::Color1), QStringLiteral("clBlue"));
    QCOMPARE(settings.text(Setting::Color2), QStringLiteral("clGreen"));
    QCOMPARE(settings.text(Setting::WindowLeft), QString());

    QCOMPARE(window.windowTitle(), QStringLiteral(" Quendry"));
    QCOMPARE(window.size(), QSize(800, 540));
    QCOMPARE(window.minimumSize(), QSize(400, 420));
    QCOMPARE(window.pane(Pane::Upper).editor()->height(), 260);
    QCOMPARE(child<QComboBox>(window, "themeSelector")->currentText(), QStringLiteral("Classic"));
    QCOMPARE(window.activeTheme(), QString());
    QVERIFY(window.pane(Pane::Upper).document()->isEmpty());
    QVERIFY(window.pane(Pane::Lower).document()->isEmpty());
    QCOMPARE(paneTextColor(window, Pane::Upper), QColor(0, 0, 255));
    QCOMPARE(paneTextColor(window, Pane::Lower), QColor(0, 128, 0));
    QVERIFY(strip(window, "resultStrip")->isHidden());
    QVERIFY(strip(window, "progressStrip")->isHidden());
    QVERIFY(MessageBox::shown().isEmpty());
}

void MainWindowTest::layoutHasNoGapsAndFullStrips()
{
    GuiTestFolder folder;
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    strip(window, "resultStrip")->show();
    strip(window, "progressStrip")->show();
    QTRY_VERIFY(strip(window, "progressStrip")->isVisible());

    // At the default size and at the smallest one.
    for (const QSize size : {QSize(800, 540), QSize(400, 420)}) {
        window.resize(size);
        QApplication::processEvents();
        // The columns and the panes start at the top of the window's area: no empty band.
        QWidget* central = window.centralWidget();
        for (const char* name : {"leftColumn", "rightColumn", "paneSplitter"})
            QCOMPARE(child<QWidget>(window, name)->mapTo(central, QPoint(0, 0)).y(), 0);
        // The strips at the bottom keep their heights, and what is inside them fills them.
        QCOMPARE(strip(window, "resultStrip")->height(), 37);
        QCOMPARE(child<QWidget>(window, "resultGauge")->height(), 19);
        QCOMPARE(strip(window, "progressStrip")->height(), 17);
        QCOMPARE(child<QWidget>(window, "progressBar")->height(), 17);
        QCOMPARE(strip(window, "progressStrip")->mapTo(central, QPoint(0, 17)).y(), central->height());
    }
}

void MainWindowTest::storedSizes_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<QString>("widthAfterStart");

    QTest::newRow("below the minimum") << "300" << "300" << QSize(400, 420) << "300";
    QTest::newRow("empty counts as missing") << "" << "" << QSize(800, 540) << "800";
    QTest::newRow("stored size") << "1000" << "700" << QSize(1000, 700) << "1000";
    QTest::newRow("not a number") << "wide" << "600" << QSize(800, 600) << "wide";
}

void MainWindowTest::storedSizes()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QSize, expected);
    QFETCH(QString, widthAfterStart);

    GuiTestFolder folder;
    folder.settings().setText(Setting::WindowWidth, width);
    folder.settings().setText(Setting::WindowHeight, height);
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    QCOMPARE(window.size(), expected);
    QCOMPARE(folder.settings().text(Setting::WindowWidth), widthAfterStart);
}

void MainWindowTest::placementAndUpperHeightComeBack()
{
    GuiTestFolder folder;
    SettingsStore& settings = folder.settings();
    settings.setNumber(Setting::WindowWidth, 900);
    settings.setNumber(Setting::WindowHeight, 600);
    settings.setNumber(Setting::UpperAreaHeight, 150);
    settings.setNumber(Setting::WindowLeft, 120);
    settings.setNumber(Setting::WindowTop, 80);
    {
        MainWindow window(settings, folder.folder(), folder.analyzer());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.pos(), QPoint(120, 80));
        QCOMPARE(window.pane(Pane::Upper).editor()->height(), 150);

        // The upper pane keeps its height; the lower one takes what the window gains.
        const int lowerBefore = window.pane(Pane::Lower).height();
        window.resize(950, 680);
        QTRY_COMPARE(window.pane(Pane::Lower).height(), lowerBefore + 80);
        QCOMPARE(window.pane(Pane::Upper).editor()->height(), 150);
        window.move(140, 90);
        QVERIFY(window.close());
    }
    SettingsStore& reopened = folder.reopenSettings();
    QCOMPARE(reopened.text(Setting::WindowWidth), QStringLiteral("950"));
    QCOMPARE(reopened.text(Setting::WindowHeight), QStringLiteral("680"));
    QCOMPARE(reopened.text(Setting::UpperAreaHeight), QStringLiteral("150"));
    QCOMPARE(reopened.text(Setting::WindowLeft), QStringLiteral("140"));
    QCOMPARE(reopened.text(Setting::WindowTop), QStringLiteral("90"));
}

void MainWindowTest::placementOffEveryScreenIsCorrected()
{
    GuiTestFolder folder;
    folder.settings().setNumber(Setting::WindowLeft, -20000);
    folder.settings().setNumber(Setting::WindowTop, 15000);
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(window.frameGeometry().topLeft()),
        qPrintable(QStringLiteral("window at %1,%2").arg(window.x()).arg(window.y())));
}

void MainWindowTest::maximisedWindowStoresItsNormalPlace()
{
    GuiTestFolder folder;
    folder.settings().setNumber(Setting::WindowWidth, 700);
    folder.settings().setNumber(Setting::WindowHeight, 500);
    folder.settings().setNumber(Setting::WindowLeft, 60);
    folder.settings().setNumber(Setting::WindowTop, 50);
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showMaximized();
    QTRY_VERIFY(window.width() > 700);
    QVERIFY(window.close());
    SettingsStore& settings = folder.reopenSettings();
    QCOMPARE(settings.text(Setting::WindowWidth), QStringLiteral("700"));
    QCOMPARE(settings.text(Setting::WindowHeight), QStringLiteral("500"));
    QCOMPARE(settings.text(Setting::WindowLeft), QStringLiteral("60"));
    QCOMPARE(settings.text(Setting::WindowTop), QStringLiteral("50"));
}

void MainWindowTest::closeAndRestartKeepsPanesAndTheme()
{
    GuiTestFolder folder;
    {
        MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
        window.show();
        QTextCursor cursor(window.pane(Pane::Upper).document());
        cursor.insertText(QStringLiteral("First "));
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("text"), bold);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("caf\u00e9 line"));
        window.pane(Pane::Lower).editor()->setPlainText(QStringLiteral("Second text"));
        chooseTheme(window, QStringLiteral("Dark"));
        QCOMPARE(window.activeTheme(), QStringLiteral("Dark"));
        // The choice is stored at close, not before.
        QCOMPARE(folder.settings().text(Setting::Skin), QString());
        QVERIFY(window.close());
    }
    QVERIFY(folder.readFile(QStringLiteral("Top.txt")).startsWith("{\\rtf"));
    QVERIFY(folder.readFile(QStringLiteral("Bottom.txt")).startsWith("{\\rtf"));
    QCOMPARE(folder.reopenSettings().text(Setting::Skin), QStringLiteral("Dark"));

    MainWindow again(folder.settings(), folder.folder(), folder.analyzer());
    QCOMPARE(child<QComboBox>(again, "themeSelector")->currentText(), QStringLiteral("Dark"));
    QCOMPARE(again.activeTheme(), QStringLiteral("Dark"));
    QTextDocument* upper = again.pane(Pane::Upper).document();
    QCOMPARE(upper->toPlainText(), QStringLiteral("First text\ncaf\u00e9 line"));
    QTextCursor cursor(upper);
    cursor.setPosition(8);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
    cursor.setPosition(3);
    QVERIFY(cursor.charFormat().fontWeight() != QFont::Bold);
    QCOMPARE(again.pane(Pane::Lower).document()->toPlainText(), QStringLiteral("Second text"));
    chooseTheme(again, QStringLiteral("Classic"));
}

void MainWindowTest::classicSwitchesTheThemeOff()
{
    GuiTestFolder folder;
    folder.settings().setText(Setting::Skin, QStringLiteral("Light"));
    {
        MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
        QCOMPARE(window.activeTheme(), QStringLiteral("Light"));
        chooseTheme(window, QStringLiteral("Classic"));
        QCOMPARE(window.activeTheme(), QString());
        QVERIFY(window.close());
    }
    QCOMPARE(folder.reopenSettings().text(Setting::Skin), QString());
    MainWindow again(folder.settings(), folder.folder(), folder.analyzer());
    QCOMPARE(child<QComboBox>(again, "themeSelector")->currentText(), QStringLiteral("Classic"));
    QCOMPARE(again.activeTheme(), QString());
}

void MainWindowTest::unknownStoredThemeGivesClassic()
{
    GuiTestFolder folder;
    folder.settings().setText(Setting::Skin, QStringLiteral("Marble"));
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    auto* selector = child<QComboBox>(window, "themeSelector");
    QCOMPARE(selector->itemText(0), QStringLiteral("Classic"));
    QVERIFY(selector->count() >= 3);
    QCOMPARE(selector->currentText(), QStringLiteral("Classic"));
    QCOMPARE(window.activeTheme(), QString());
}

void MainWindowTest::windowTextFollowsTheTheme()
{
    GuiTestFolder folder;
    folder.settings().setText(Setting::StrColor, QStringLiteral("0"));
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    const QPalette classic = QApplication::palette();
    QCOMPARE(paneTextColor(window, Pane::Upper), classic.color(QPalette::Text));

    chooseTheme(window, QStringLiteral("Dark"));
    const QColor darkText = QApplication::palette().color(QPalette::Text);
    QVERIFY(darkText != classic.color(QPalette::Text));
    QCOMPARE(paneTextColor(window, Pane::Upper), darkText);
    QCOMPARE(paneTextColor(window, Pane::Lower), darkText);

    chooseTheme(window, QStringLiteral("Classic"));
    QCOMPARE(QApplication::palette().color(QPalette::Window), classic.color(QPalette::Window));
    QCOMPARE(paneTextColor(window, Pane::Upper), classic.color(QPalette::Text));
}

void MainWindowTest::missingDictionaryEndsTheProgram()
{
    GuiTestFolder folder(GuiTestFolder::Dictionary::Missing);
    folder.writeFile(QStringLiteral("Top.txt"), "kept as it was");
    folder.settings().setText(Setting::WindowLeft, QStringLiteral("77"));
    {
        MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
        QVERIFY(!window.checkDictionary());
    }
    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown shown = MessageBox::shown().first();
    QCOMPARE(shown.text, QStringLiteral("Corrupted file Dct.txt. Reinstall the program."));
    QCOMPARE(shown.title, QStringLiteral("Quendry"));
    // Nothing of the closing runs; the defaults of empty values stay written.
    QCOMPARE(folder.readFile(QStringLiteral("Top.txt")), QByteArray("kept as it was"));
    QVERIFY(!folder.exists(QStringLiteral("Bottom.txt")));
    SettingsStore& settings = folder.reopenSettings();
    QCOMPARE(settings.text(Setting::WindowLeft), QStringLiteral("77"));
    QCOMPARE(settings.text(Setting::WindowWidth), QStringLiteral("800"));
}

void MainWindowTest::plainTextPaneFile()
{
    GuiTestFolder folder;
    folder.writeFile(QStringLiteral("Top.txt"), "Plain words\r\nsecond line \x93quoted\x94");
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    QCOMPARE(window.pane(Pane::Upper).document()->toPlainText(),
        QStringLiteral("Plain words\nsecond line \u201cquoted\u201d"));
    QVERIFY(window.pane(Pane::Lower).document()->isEmpty());
    // Loading is not an edit to undo.
    QVERIFY(!window.pane(Pane::Upper).document()->isUndoAvailable());
}

void MainWindowTest::unreadablePaneFileIsLeftAlone()
{
    GuiTestFolder folder;
    QVERIFY(QDir(folder.folder().path()).mkdir(QStringLiteral("Top.txt")));
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(MessageBox::shown().first().text.contains(QStringLiteral("Top.txt")));
    MessageBox::clearShown();
    // The pane stayed empty, so closing neither asks nor touches what is there.
    QVERIFY(window.close());
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("Top.txt"))).isDir());
    QVERIFY(folder.exists(QStringLiteral("Bottom.txt")));
}

void MainWindowTest::paneThatCannotBeSavedAsksBeforeClosing_data()
{
    QTest::addColumn<MessageBox::Button>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("keep the window") << MessageBox::Button::No << false;
    QTest::newRow("close anyway") << MessageBox::Button::Yes << true;
}

void MainWindowTest::paneThatCannotBeSavedAsksBeforeClosing()
{
    QFETCH(MessageBox::Button, answer);
    QFETCH(bool, closes);

    GuiTestFolder folder;
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    window.show();
    window.pane(Pane::Lower).editor()->setPlainText(QStringLiteral("precious"));
    // A folder where the file should go makes the write fail.
    QVERIFY(QDir(folder.folder().path()).mkdir(QStringLiteral("Bottom.txt")));
    MessageBox::setNextAnswer(answer);
    QCOMPARE(window.close(), closes);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Question);
    QVERIFY(MessageBox::shown().first().text.contains(QStringLiteral("Bottom.txt")));
    QCOMPARE(window.isVisible(), !closes);
    // The settings are stored before the panes in any case.
    QCOMPARE(folder.reopenSettings().text(Setting::WindowWidth), QStringLiteral("800"));
}

void MainWindowTest::storedColors_data()
{
    QTest::addColumn<QString>("strColor");
    QTest::addColumn<QString>("color1");
    QTest::addColumn<QColor>("upper");
    QTest::addColumn<QColor>("lower");

    const QColor windowText = QApplication::palette().color(QPalette::Text);
    QTest::newRow("name in capitals") << "1" << "CLRED" << QColor(255, 0, 0) << QColor(0, 128, 0);
    QTest::newRow("hexadecimal") << "1" << "$00563412" << QColor(18, 52, 86) << QColor(0, 128, 0);
    QTest::newRow("unreadable colour leaves the pane alone") << "1" << "purple-ish" << windowText << QColor(0, 128, 0);
    QTest::newRow("colours switched off") << "0" << "clRed" << windowText << windowText;
}

void MainWindowTest::storedColors()
{
    QFETCH(QString, strColor);
    QFETCH(QString, color1);
    QFETCH(QColor, upper);
    QFETCH(QColor, lower);

    GuiTestFolder folder;
    folder.settings().setText(Setting::StrColor, strColor);
    folder.settings().setText(Setting::Color1, color1);
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    QCOMPARE(paneTextColor(window, Pane::Upper), upper);
    QCOMPARE(paneTextColor(window, Pane::Lower), lower);
    QCOMPARE(folder.settings().text(Setting::Color1), color1);
}

void MainWindowTest::putFileIntoPane()
{
    GuiTestFolder folder;
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    window.pane(Pane::Upper).editor()->setPlainText(QStringLiteral("upper stays"));
    window.pane(Pane::Lower).editor()->setPlainText(QStringLiteral("lower before"));
    folder.writeFile(QStringLiteral("sample.tqd"), "{\\rtf1\\ansi {\\b Sample} text}");

    QCOMPARE(window.loadPaneFromFile(Pane::Lower, folder.filePath(QStringLiteral("sample.tqd"))), std::nullopt);
    QCOMPARE(window.pane(Pane::Lower).document()->toPlainText(), QStringLiteral("Sample text"));
    QCOMPARE(window.pane(Pane::Upper).document()->toPlainText(), QStringLiteral("upper stays"));
    QCOMPARE(paneTextColor(window, Pane::Lower), QColor(0, 128, 0));

    const auto error = window.loadPaneFromFile(Pane::Upper, folder.filePath(QStringLiteral("missing.tqd")));
    QVERIFY(error.has_value());
    QVERIFY(error->contains(QStringLiteral("missing.tqd")));
    QCOMPARE(window.pane(Pane::Upper).document()->toPlainText(), QStringLiteral("upper stays"));
    QCOMPARE(paneTextColor(window, Pane::Upper), QColor(0, 0, 255));

    // A file cut short goes in as far as it could be read, and the user is told.
    folder.writeFile(QStringLiteral("cut.tqd"), "{\\rtf1 first half");
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(window.loadPaneFromFile(Pane::Upper, folder.filePath(QStringLiteral("cut.tqd"))), std::nullopt);
    QCOMPARE(window.pane(Pane::Upper).document()->toPlainText(), QStringLiteral("first half"));
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(MessageBox::shown().first().text.contains(QStringLiteral("cut.tqd")));
}

void MainWindowTest::helpOpensTheHelpPage()
{
    GuiTestFolder folder;
    folder.writeFile(QStringLiteral("help.htm"), "<html><body><h1>How to compare</h1></body></html>");
    QList<QUrl> opened;
    DesktopOpener::setHandlerForTesting([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::mouseClick(child<QPushButton>(window, "helpButton"), Qt::LeftButton);
    for (const Pane which : {Pane::Upper, Pane::Lower}) {
        window.pane(which).editor()->setFocus();
        QTest::keyClick(window.pane(which).editor(), Qt::Key_F1);
    }
    DesktopOpener::setHandlerForTesting([](const QUrl&) { return false; });

    const QUrl expected = QUrl::fromLocalFile(folder.filePath(QStringLiteral("help.htm")));
    QCOMPARE(opened, (QList<QUrl>{expected, expected, expected}));
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(!window.findChild<QDialog*>(QStringLiteral("fileViewer")));
}

void MainWindowTest::helpWithoutADesktopProgram_data()
{
    QTest::addColumn<bool>("pagePresent");
    QTest::newRow("the page shows in a viewer of its own") << true;
    QTest::newRow("a missing page is named") << false;
}

void MainWindowTest::helpWithoutADesktopProgram()
{
    QFETCH(bool, pagePresent);
    GuiTestFolder folder;
    if (pagePresent)
        folder.writeFile(QStringLiteral("help.htm"), "<html><body><h1>How to compare</h1></body></html>");
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.pane(Pane::Upper).editor(), Qt::Key_F1);

    auto* viewer = window.findChild<QDialog*>(QStringLiteral("fileViewer"));
    if (!pagePresent) {
        QVERIFY(!viewer);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().first().text.contains(folder.filePath(QStringLiteral("help.htm"))));
        return;
    }
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    auto* browser = viewer->findChild<QTextBrowser*>(QStringLiteral("fileViewerBrowser"));
    QVERIFY(browser);
    QVERIFY(browser->toPlainText().contains(QStringLiteral("How to compare")));
    viewer->close();
    QTRY_VERIFY(!window.findChild<QDialog*>(QStringLiteral("fileViewer")));
}

void MainWindowTest::sampleButtonsAskForTheLibrary()
{
    GuiTestFolder folder;
    MainWindow window(folder.settings(), folder.folder(), folder.analyzer());
    QSignalSpy samples(&window, &MainWindow::samplesRequested);
    QSignalSpy saved(&window, &MainWindow::saveSampleRequested);
    QTest::mouseClick(child<QPushButton>(window, "samplesButton"), Qt::LeftButton);
    window.pane(Pane::Lower).findChild<QAction*>(QStringLiteral("saveSampleAction"))->trigger();
    window.pane(Pane::Upper).findChild<QAction*>(QStringLiteral("saveSampleAction"))->trigger();
    QCOMPARE(samples.count(), 1);
    QCOMPARE(saved.count(), 2);
    QCOMPARE(saved.at(0).at(0).value<Pane>(), Pane::Lower);
    QCOMPARE(saved.at(1).at(0).value<Pane>(), Pane::Upper);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindow_test.moc"
