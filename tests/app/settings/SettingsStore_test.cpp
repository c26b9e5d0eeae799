#include "app/settings/SettingsStore.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QSettings>
#include <QtTest>

using namespace quendry;
using quendry::test::GuiTestFolder;

Q_DECLARE_METATYPE(quendry::Setting)

namespace {

// What another reader of the same store sees, by the store's own key names.
QVariant rawValue(const GuiTestFolder& folder, const QString& key)
{
    QSettings raw(folder.settingsFile(), QSettings::IniFormat);
    return raw.value(key);
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsAreWrittenBackWhenMissingOrEmpty_data();
    void defaultsAreWrittenBackWhenMissingOrEmpty();
    void valuesWithoutDefaultStayMissing();
    void storedTextIsKeptAsItIs();
    void numbers_data();
    void numbers();
    void switches_data();
    void switches();
};

void SettingsStoreTest::defaultsAreWrittenBackWhenMissingOrEmpty_data()
{
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<bool>("storedEmpty");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const struct {
        const char* name;
        Setting setting;
        const char* key;
        const char* value;
    } rows[] = {
        {"WF", Setting::WindowWidth, "WF", "800"},
        {"HF", Setting::WindowHeight, "HF", "540"},
        {"TF", Setting::UpperAreaHeight, "TF", "260"},
        {"Hist", Setting::Hist, "Hist", "1"},
        {"strColor", Setting::StrColor, "strColor", "1"},
        {"Color1", Setting::Color1, "Color1", "clBlue"},
        {"Color2", Setting::Color2, "Color2", "clGreen"},
        {"Samples width", Setting::SamplesWidth, "QdAddList/BLWF", "490"},
        {"Samples height", Setting::SamplesHeight, "QdAddList/BLHF", "200"},
        {"Create sample width", Setting::CreateSampleWidth, "AT/BLWF", "490"},
        {"Create sample height", Setting::CreateSampleHeight, "AT/BLHF", "200"},
        {"Sample Editing width", Setting::EditSampleWidth, "ET/BLWF", "200"},
        {"Sample Editing height", Setting::EditSampleHeight, "ET/BLHF", "300"},
        {"History width", Setting::HistoryWidth, "HIST/HSTWF", "200"},
        {"History height", Setting::HistoryHeight, "HIST/HSTHF", "300"},
    };
    for (const auto& row : rows) {
        QTest::addRow("%s missing", row.name) << row.setting << false << row.key << row.value;
        QTest::addRow("%s empty", row.name) << row.setting << true << row.key << row.value;
    }
}

void SettingsStoreTest::defaultsAreWrittenBackWhenMissingOrEmpty()
{
    QFETCH(Setting, setting);
    QFETCH(bool, storedEmpty);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    GuiTestFolder folder(GuiTestFolder::Dictionary::Missing);
    if (storedEmpty) {
        folder.settings().setText(setting, QString());
        folder.settings().sync();
    }
    QCOMPARE(folder.settings().text(setting), QString());
    QCOMPARE(folder.settings().textOrDefault(setting), expected);
    folder.settings().sync();
    QCOMPARE(rawValue(folder, key).toString(), expected);
}

void SettingsStoreTest::valuesWithoutDefaultStayMissing()
{
    GuiTestFolder folder(GuiTestFolder::Dictionary::Missing);
    for (const Setting setting : {Setting::WindowLeft, Setting::WindowTop, Setting::Skin, Setting::SettingsLeft}) {
        QCOMPARE(folder.settings().textOrDefault(setting), QString());
        QCOMPARE(folder.settings().number(setting), std::nullopt);
    }
    folder.settings().sync();
    QVERIFY(!rawValue(folder, QStringLiteral("Left")).isValid());
    QVERIFY(!rawValue(folder, QStringLiteral("SET/BLLeft")).isValid());
}

void SettingsStoreTest::storedTextIsKeptAsItIs()
{
    GuiTestFolder folder(GuiTestFolder::Dictionary::Missing);
    folder.settings().setText(Setting::Color1, QStringLiteral("CLRED"));
    folder.settings().setNumber(Setting::SettingsTop, -20);
    SettingsStore& reopened = folder.reopenSettings();
    QCOMPARE(reopened.textOrDefault(Setting::Color1), QStringLiteral("CLRED"));
    QCOMPARE(reopened.number(Setting::SettingsTop), std::optional<int>(-20));
    QCOMPARE(rawValue(folder, QStringLiteral("SET/BLTop")).toString(), QStringLiteral("-20"));
}

void SettingsStoreTest::numbers_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("storedAfter");

    QTest::newRow("a number") << "300" << 300 << "300";
    QTest::newRow("empty gets the default") << "" << 800 << "800";
    QTest::newRow("not a number: default, value left alone") << "wide" << 800 << "wide";
    QTest::newRow("a fraction is not a whole number") << "812.5" << 800 << "812.5";
}

void SettingsStoreTest::numbers()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QFETCH(QString, storedAfter);

    GuiTestFolder folder(GuiTestFolder::Dictionary::Missing);
    folder.settings().setText(Setting::WindowWidth, stored);
    QCOMPARE(folder.settings().numberOrDefault(Setting::WindowWidth), expected);
    QCOMPARE(folder.settings().text(Setting::WindowWidth), storedAfter);
}

void SettingsStoreTest::switches_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("storedAfter");

    QTest::newRow("1") << "1" << true << "1";
    QTest::newRow("empty counts as on and is written") << "" << true << "1";
    QTest::newRow("0") << "0" << false << "0";
    QTest::newRow("yes is not 1") << "yes" << false << "yes";
    QTest::newRow("1 with a blank is not 1") << "1 " << false << "1 ";
}

void SettingsStoreTest::switches()
{
    QFETCH(QString, stored);
    QFETCH(bool, on);
    QFETCH(QString, storedAfter);

    GuiTestFolder folder(GuiTestFolder::Dictionary::Missing);
    folder.settings().setText(Setting::Hist, stored);
    QCOMPARE(folder.settings().isOnOrDefault(Setting::Hist), on);
    QCOMPARE(folder.settings().text(Setting::Hist), storedAfter);
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "SettingsStore_test.moc"
