#include "tests/app/guisupport/GuiTestFolder.h"

#include "app/shell/DesktopOpener.h"
#include "app/shell/FileDialogs.h"
#include "app/shell/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QtTest>

namespace quendry::test {

namespace {

// The dictionary of the source tree, or a copy of it named in the environment (the run as an
// ordinary user uses a copy when the checkout is closed to other users).
QString dictionaryPath()
{
    return qEnvironmentVariable("QUENDRY_TEST_DICTIONARY", QStringLiteral(QUENDRY_DICTIONARY));
}

} // namespace

GuiTestFolder::GuiTestFolder(Dictionary dictionary)
{
    if (!m_directory.isValid())
        qFatal("cannot create a temporary folder");
    QDir(m_directory.path()).mkdir(QStringLiteral("program"));
    if (dictionary == Dictionary::Present
        && !QFile::copy(dictionaryPath(), filePath(QStringLiteral("Dct.txt")))) {
        qFatal("cannot copy the dictionary");
    }
}

ProgramFolder GuiTestFolder::folder() const
{
    return ProgramFolder(m_directory.filePath(QStringLiteral("program")));
}

QString GuiTestFolder::siblingPath(const QString& name) const
{
    return m_directory.filePath(name);
}

QString GuiTestFolder::filePath(const QString& name) const
{
    return folder().filePath(name);
}

bool GuiTestFolder::exists(const QString& name) const
{
    return QFileInfo::exists(filePath(name));
}

void GuiTestFolder::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
}

QByteArray GuiTestFolder::readFile(const QString& name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

SettingsStore& GuiTestFolder::settings()
{
    if (!m_settings)
        m_settings = SettingsStore::openIniFile(settingsFile());
    return *m_settings;
}

SettingsStore& GuiTestFolder::reopenSettings()
{
    if (m_settings)
        m_settings->sync();
    m_settings.reset();
    return settings();
}

QString GuiTestFolder::settingsFile() const
{
    return m_directory.filePath(QStringLiteral("settings.ini"));
}

void prepareGuiTests()
{
    QLocale::setDefault(QLocale::c());
    MessageBox::setTestMode(true);
    FileDialogs::setTestMode(true);
    // No test may start a program of the desktop; tests that open files set their own handler.
    DesktopOpener::setHandlerForTesting([](const QUrl&) { return false; });
}

QString englishText1()
{
    return QStringLiteral(
        "I went down to the harbour this morning to see whether the boats had come in. "
        "The weather was calm, and the fishermen were already sorting their catch on the quay.\n"
        "After that I walked along the old road to the market, where I bought bread, cheese and "
        "a few apples for the journey. It was a quiet day, and nobody seemed to be in a hurry.");
}

QString englishText2()
{
    return QStringLiteral(
        "We stayed at home for most of the afternoon because the rain would not stop. "
        "My brother read a book about ships while I wrote letters to our friends in the city.\n"
        "In the evening the sky cleared, so we went out for a short walk by the river and talked "
        "about the plans we had made for the summer holidays.");
}

} // namespace quendry::test
