#include "app/mainwindow/TextPane.h"
#include "app/settings/ColorValue.h"
#include "app/settings/SettingsDialog.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/MessageBox.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QtTest>

using namespace quendry;
using quendry::test::GuiTestFolder;

namespace {

// The panes the Settings window works on, over a temporary folder and store.
struct Fixture {
    GuiTestFolder folder{GuiTestFolder::Dictionary::Missing};
    TextPane upper{Pane::Upper};
    TextPane lower{Pane::Lower};

    Fixture()
    {
        SettingsStore& settings = folder.settings();
        settings.setText(Setting::Hist, QStringLiteral("1"));
        settings.setText(Setting::StrColor, QStringLiteral("1"));
        settings.setText(Setting::Color1, QStringLiteral("clBlue"));
        settings.setText(Setting::Color2, QStringLiteral("clGreen"));
        upper.setTextColor(ColorValue::fromRgb(0, 0, 255));
        lower.setTextColor(ColorValue::fromRgb(0, 128, 0));
    }

    std::unique_ptr<SettingsDialog> open()
    {
        return std::make_unique<SettingsDialog>(folder.settings(), upper, lower);
    }
};

template <typename T>
T* child(QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void openingShowsTheStoredValues_data();
    void openingShowsTheStoredValues();
    void clearingFontColorStoresWindowText();
    void chosenColorIsStoredInItsTextForm();
    void exitWritesNothingButThePlacement();
    void placementComesBack();
    void placementOffEveryScreenIsCorrected();
    void historyButtonsAskForTheHistory();
};

void SettingsDialogTest::openingShowsTheStoredValues_data()
{
    QTest::addColumn<QString>("hist");
    QTest::addColumn<QString>("strColor");
    QTest::addColumn<bool>("historyTicked");
    QTest::addColumn<bool>("fontColorTicked");

    QTest::newRow("both on") << "1" << "1" << true << true;
    QTest::newRow("both off") << "0" << "0" << false << false;
    QTest::newRow("anything but 1 is off") << "yes" << "true" << false << false;
}

void SettingsDialogTest::openingShowsTheStoredValues()
{
    QFETCH(QString, hist);
    QFETCH(QString, strColor);
    QFETCH(bool, historyTicked);
    QFETCH(bool, fontColorTicked);

    Fixture fixture;
    fixture.folder.settings().setText(Setting::Hist, hist);
    fixture.folder.settings().setText(Setting::StrColor, strColor);
    auto dialog = fixture.open();
    QCOMPARE(child<QCheckBox>(*dialog, "historyCheck")->isChecked(), historyTicked);
    QCOMPARE(child<QCheckBox>(*dialog, "fontColorCheck")->isChecked(), fontColorTicked);
    QCOMPARE(child<QPushButton>(*dialog, "upperColorButton")->isEnabled(), fontColorTicked);
    QCOMPARE(child<QPushButton>(*dialog, "lowerColorButton")->isEnabled(), fontColorTicked);
    QCOMPARE(dialog->upperColor(), ColorValue::fromRgb(0, 0, 255));
    QCOMPARE(dialog->lowerColor(), ColorValue::fromRgb(0, 128, 0));
    QCOMPARE(dialog->size(), QSize(SettingsDialog::clientWidth, SettingsDialog::clientHeight));
}

void SettingsDialogTest::clearingFontColorStoresWindowText()
{
    Fixture fixture;
    auto dialog = fixture.open();
    child<QCheckBox>(*dialog, "fontColorCheck")->setChecked(false);
    child<QCheckBox>(*dialog, "historyCheck")->setChecked(false);
    QVERIFY(!child<QPushButton>(*dialog, "upperColorButton")->isEnabled());
    QTest::mouseClick(child<QPushButton>(*dialog, "saveButton"), Qt::LeftButton);

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    SettingsStore& settings = fixture.folder.settings();
    QCOMPARE(settings.text(Setting::Hist), QStringLiteral("0"));
    QCOMPARE(settings.text(Setting::StrColor), QStringLiteral("0"));
    QCOMPARE(settings.text(Setting::Color1), QStringLiteral("clWindowText"));
    QCOMPARE(settings.text(Setting::Color2), QStringLiteral("clWindowText"));
    QCOMPARE(fixture.upper.textColor(), ColorValue::windowText());
    QCOMPARE(fixture.lower.textColor(), ColorValue::windowText());
}

void SettingsDialogTest::chosenColorIsStoredInItsTextForm()
{
    Fixture fixture;
    auto dialog = fixture.open();
    QColor offered;
    dialog->setColorChooser([&offered](const QColor& initial, QWidget*) -> std::optional<QColor> {
        offered = initial;
        return QColor(18, 52, 86);
    });
    QTest::mouseClick(child<QPushButton>(*dialog, "upperColorButton"), Qt::LeftButton);
    QCOMPARE(offered, QColor(0, 0, 255));
    // A cancelled chooser keeps the colour.
    dialog->setColorChooser([](const QColor&, QWidget*) -> std::optional<QColor> { return std::nullopt; });
    QTest::mouseClick(child<QPushButton>(*dialog, "lowerColorButton"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(*dialog, "saveButton"), Qt::LeftButton);

    QCOMPARE(fixture.folder.settings().text(Setting::Color1), QStringLiteral("$00563412"));
    QCOMPARE(fixture.folder.settings().text(Setting::Color2), QStringLiteral("clGreen"));
    QCOMPARE(fixture.upper.textColor(), ColorValue::fromRgb(18, 52, 86));
    QCOMPARE(fixture.lower.textColor(), ColorValue::fromRgb(0, 128, 0));
    QCOMPARE(fixture.upper.editor()->palette().color(QPalette::Text), QColor(18, 52, 86));
}

void SettingsDialogTest::exitWritesNothingButThePlacement()
{
    Fixture fixture;
    auto dialog = fixture.open();
    dialog->setColorChooser([](const QColor&, QWidget*) -> std::optional<QColor> { return QColor(255, 0, 0); });
    QTest::mouseClick(child<QPushButton>(*dialog, "upperColorButton"), Qt::LeftButton);
    child<QCheckBox>(*dialog, "historyCheck")->setChecked(false);
    child<QCheckBox>(*dialog, "fontColorCheck")->setChecked(false);
    QTest::mouseClick(child<QPushButton>(*dialog, "exitButton"), Qt::LeftButton);

    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    SettingsStore& settings = fixture.folder.settings();
    QCOMPARE(settings.text(Setting::Hist), QStringLiteral("1"));
    QCOMPARE(settings.text(Setting::StrColor), QStringLiteral("1"));
    QCOMPARE(settings.text(Setting::Color1), QStringLiteral("clBlue"));
    QCOMPARE(settings.text(Setting::Color2), QStringLiteral("clGreen"));
    QCOMPARE(fixture.upper.textColor(), ColorValue::fromRgb(0, 0, 255));
    QCOMPARE(fixture.lower.textColor(), ColorValue::fromRgb(0, 128, 0));
    QVERIFY(settings.number(Setting::SettingsLeft).has_value());
    QVERIFY(settings.number(Setting::SettingsTop).has_value());
}

void SettingsDialogTest::placementComesBack()
{
    Fixture fixture;
    auto first = fixture.open();
    QCOMPARE(first->pos(), SettingsDialog::designPosition);
    first->move(150, 120);
    first->reject();
    first.reset();

    auto second = fixture.open();
    QCOMPARE(second->pos(), QPoint(150, 120));
}

void SettingsDialogTest::placementOffEveryScreenIsCorrected()
{
    Fixture fixture;
    fixture.folder.settings().setNumber(Setting::SettingsLeft, -30000);
    fixture.folder.settings().setNumber(Setting::SettingsTop, 40000);
    auto dialog = fixture.open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(QRect(dialog->pos(), dialog->size())),
        qPrintable(QStringLiteral("dialog at %1,%2").arg(dialog->x()).arg(dialog->y())));
}

void SettingsDialogTest::historyButtonsAskForTheHistory()
{
    Fixture fixture;
    auto dialog = fixture.open();
    dialog->show();
    QSignalSpy viewer(dialog.get(), &SettingsDialog::historyViewerRequested);
    QSignalSpy clear(dialog.get(), &SettingsDialog::historyClearRequested);
    QTest::mouseClick(child<QPushButton>(*dialog, "historyButton"), Qt::LeftButton);
    QCOMPARE(viewer.count(), 1);
    QCOMPARE(clear.count(), 0);
    QTest::mouseClick(child<QPushButton>(*dialog, "clearHistoryButton"), Qt::LeftButton);
    QCOMPARE(viewer.count(), 1);
    QCOMPARE(clear.count(), 1);
    // Neither closes the window nor writes a setting.
    QVERIFY(dialog->isVisible());
    QVERIFY(fixture.folder.settings().text(Setting::SettingsLeft).isEmpty());
}

QTEST_MAIN(SettingsDialogTest)
#include "SettingsDialog_test.moc"
