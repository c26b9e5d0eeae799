#include "app/settings/SettingsStore.h"

#include <QSettings>

#include <array>

namespace quendry {
namespace {

struct SettingInfo {
    Setting setting;
    const char* group; // subkey of "Software\Quendry"; "" for the key itself
    const char* name;
    const char* defaultText; // "" when the value has no default
};

// Every value the program keeps, with the defaults that are written back when a value is empty.
constexpr std::array settingTable{
    SettingInfo{Setting::WindowWidth, "", "WF", "800"},
    SettingInfo{Setting::WindowHeight, "", "HF", "540"},
    SettingInfo{Setting::UpperAreaHeight, "", "TF", "260"},
    SettingInfo{Setting::WindowLeft, "", "Left", ""},
    SettingInfo{Setting::WindowTop, "", "Top", ""},
    SettingInfo{Setting::Skin, "", "Skin", ""},
    SettingInfo{Setting::Hist, "", "Hist", "1"},
    SettingInfo{Setting::StrColor, "", "strColor", "1"},
    SettingInfo{Setting::Color1, "", "Color1", "clBlue"},
    SettingInfo{Setting::Color2, "", "Color2", "clGreen"},
    SettingInfo{Setting::SettingsLeft, "SET", "BLLeft", ""},
    SettingInfo{Setting::SettingsTop, "SET", "BLTop", ""},
    SettingInfo{Setting::SamplesWidth, "QdAddList", "BLWF", "490"},
    SettingInfo{Setting::SamplesHeight, "QdAddList", "BLHF", "200"},
    SettingInfo{Setting::SamplesLeft, "QdAddList", "BLLeft", ""},
    SettingInfo{Setting::SamplesTop, "QdAddList", "BLTop", ""},
    SettingInfo{Setting::CreateSampleWidth, "AT", "BLWF", "490"},
    SettingInfo{Setting::CreateSampleHeight, "AT", "BLHF", "200"},
    SettingInfo{Setting::CreateSampleLeft, "AT", "BLLeft", ""},
    SettingInfo{Setting::CreateSampleTop, "AT", "BLTop", ""},
    SettingInfo{Setting::EditSampleWidth, "ET", "BLWF", "200"},
    SettingInfo{Setting::EditSampleHeight, "ET", "BLHF", "300"},
    SettingInfo{Setting::EditSampleLeft, "ET", "BLLeft", ""},
    SettingInfo{Setting::EditSampleTop, "ET", "BLTop", ""},
    SettingInfo{Setting::SaveSampleLeft, "SS", "BLLeft", ""},
    SettingInfo{Setting::SaveSampleTop, "SS", "BLTop", ""},
    SettingInfo{Setting::HistoryWidth, "HIST", "HSTWF", "200"},
    SettingInfo{Setting::HistoryHeight, "HIST", "HSTHF", "300"},
    SettingInfo{Setting::HistoryLeft, "HIST", "HSTLeft", ""},
    SettingInfo{Setting::HistoryTop, "HIST", "HSTTop", ""},
};

constexpr bool tableFollowsEnum()
{
    for (std::size_t i = 0; i < settingTable.size(); ++i) {
        if (static_cast<std::size_t>(settingTable[i].setting) != i)
            return false;
    }
    return true;
}
static_assert(tableFollowsEnum(), "settingTable must list the settings in the order of the enum");

const SettingInfo& info(Setting setting)
{
    return settingTable[static_cast<std::size_t>(setting)];
}

// The QSettings key: "GROUP/name", or the bare name for values of "Software\Quendry" itself.
QString settingsKey(Setting setting)
{
    const SettingInfo& entry = info(setting);
    const QString name = QString::fromLatin1(entry.name);
    if (*entry.group == '\0')
        return name;
    return QString::fromLatin1(entry.group) + QLatin1Char('/') + name;
}

std::optional<int> parseNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

std::unique_ptr<SettingsStore> SettingsStore::openUserStore()
{
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Quendry"),
        QSettings::NativeFormat);
#else
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
        QStringLiteral("Quendry"));
#endif
    return std::make_unique<SettingsStore>(std::move(settings));
}

std::unique_ptr<SettingsStore> SettingsStore::openIniFile(const QString& path)
{
    return std::make_unique<SettingsStore>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::group(Setting setting)
{
    return QString::fromLatin1(info(setting).group);
}

QString SettingsStore::name(Setting setting)
{
    return QString::fromLatin1(info(setting).name);
}

QString SettingsStore::defaultText(Setting setting)
{
    return QString::fromLatin1(info(setting).defaultText);
}

QString SettingsStore::text(Setting setting) const
{
    return m_settings->value(settingsKey(setting)).toString();
}

void SettingsStore::setText(Setting setting, const QString& value)
{
    m_settings->setValue(settingsKey(setting), value);
}

QString SettingsStore::textOrDefault(Setting setting)
{
    const QString stored = text(setting);
    if (!stored.isEmpty())
        return stored;
    const QString fallback = defaultText(setting);
    if (!fallback.isEmpty())
        setText(setting, fallback);
    return fallback;
}

std::optional<int> SettingsStore::number(Setting setting) const
{
    return parseNumber(text(setting));
}

int SettingsStore::numberOrDefault(Setting setting)
{
    if (const auto value = parseNumber(textOrDefault(setting)))
        return *value;
    return parseNumber(defaultText(setting)).value_or(0);
}

void SettingsStore::setNumber(Setting setting, int value)
{
    setText(setting, QString::number(value));
}

bool SettingsStore::isOnOrDefault(Setting setting)
{
    return textOrDefault(setting) == QLatin1String("1");
}

void SettingsStore::setOn(Setting setting, bool on)
{
    setText(setting, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::sync()
{
    m_settings->sync();
}

QString SettingsStore::location() const
{
    return m_settings->fileName();
}

} // namespace quendry
