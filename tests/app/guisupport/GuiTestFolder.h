#pragma once

#include "analysis/run/Analyzer.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/ProgramFolder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace quendry::test {

// A temporary program folder, with the dictionary unless told otherwise, and a settings store
// in an INI file beside it. Everything goes when the object does.
class GuiTestFolder {
public:
    enum class Dictionary { Present, Missing };

    explicit GuiTestFolder(Dictionary dictionary = Dictionary::Present);

    ProgramFolder folder() const;
    // Another folder beside the program folder, inside the same temporary folder; not created.
    QString siblingPath(const QString& name) const;
    QString filePath(const QString& name) const;
    bool exists(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    // The store; the same file each time, so a second store sees what the first wrote.
    SettingsStore& settings();
    // Drops the open store, as when the program ends, and opens the file again.
    SettingsStore& reopenSettings();
    QString settingsFile() const;

    // An engine for the window under test, which it must outlive as the program's own does.
    const Analyzer& analyzer() const { return m_analyzer; }

private:
    Analyzer m_analyzer;
    QTemporaryDir m_directory;
    std::unique_ptr<SettingsStore> m_settings;
};

// Settles the process for GUI tests: the C locale, message boxes and file choosers answered by the
// tests, and a desktop that opens nothing.
void prepareGuiTests();

// Two texts of ordinary English that the analysis accepts.
QString englishText1();
QString englishText2();

} // namespace quendry::test
