#pragma once

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace quendry {

// Every persisted value of the program. The store keeps them as text under "Software\Quendry"
// and its subkeys; the table in SettingsStore.cpp gives each its subkey, name and default.
enum class Setting {
    // The main window.
    WindowWidth,
    WindowHeight,
    UpperAreaHeight,
    WindowLeft,
    WindowTop,
    Skin,
    // History switch and pane colours.
    Hist,
    StrColor,
    Color1,
    Color2,
    // The Settings window.
    SettingsLeft,
    SettingsTop,
    // The sample windows.
    SamplesWidth,
    SamplesHeight,
    SamplesLeft,
    SamplesTop,
    CreateSampleWidth,
    CreateSampleHeight,
    CreateSampleLeft,
    CreateSampleTop,
    EditSampleWidth,
    EditSampleHeight,
    EditSampleLeft,
    EditSampleTop,
    SaveSampleLeft,
    SaveSampleTop,
    // The History window.
    HistoryWidth,
    HistoryHeight,
    HistoryLeft,
    HistoryTop,
};

// The per-user settings store. Every value is a string; a missing value and an empty one are the
// same, and a value that has a default gets it written back when it is read empty through one of
// the ...OrDefault getters. On Windows the values live in the registry under
// HKEY_CURRENT_USER\Software\Quendry; elsewhere in the platform's native per-user store.
class SettingsStore {
public:
    // The user's own store.
    static std::unique_ptr<SettingsStore> openUserStore();
    // A store in an INI file, for tests and portable use.
    static std::unique_ptr<SettingsStore> openIniFile(const QString& path);

    explicit SettingsStore(std::unique_ptr<QSettings> settings);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The subkey of "Software\Quendry" ("" for the key itself), the value's name and its
    // default ("" when it has none).
    static QString group(Setting setting);
    static QString name(Setting setting);
    static QString defaultText(Setting setting);

    // The stored text; empty when missing.
    QString text(Setting setting) const;
    void setText(Setting setting, const QString& value);
    // The stored text; when it is empty and the value has a default, the default is written
    // back and returned.
    QString textOrDefault(Setting setting);

    // The stored text as a whole number; nothing when it is empty or not a number.
    std::optional<int> number(Setting setting) const;
    // The stored number, or the default (written back when the value is empty). A stored text
    // that is not a number is left as it is and the default is used.
    int numberOrDefault(Setting setting);
    void setNumber(Setting setting, int value);

    // True when the value reads exactly "1" after an empty one got its default.
    bool isOnOrDefault(Setting setting);
    void setOn(Setting setting, bool on);

    // Writes pending changes to the store.
    void sync();
    QString location() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace quendry
