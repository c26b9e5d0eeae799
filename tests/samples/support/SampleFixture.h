#pragma once

#include "app/mainwindow/MainWindow.h"
#include "app/shell/Application.h"
#include "history/HistoryLog.h"
#include "samples/SampleLibrary.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QTextEdit;

namespace quendry::test {

// The child widget or action with this object name; the test ends at once when there is none.
template <typename T>
T* child(QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// The program as it starts (the main window joined to the sample library and the history), over a
// temporary program folder and store. The window is not shown.
class SampleFixture {
public:
    explicit SampleFixture(GuiTestFolder::Dictionary dictionary = GuiTestFolder::Dictionary::Missing);
    ~SampleFixture();

    GuiTestFolder& folder() { return m_folder; }
    Application& application() { return *m_application; }
    MainWindow& window() { return m_application->window(); }
    SampleLibrary& library() { return m_application->samples(); }
    HistoryLog& history() { return m_application->history(); }
    const SampleStore& store() const { return m_application->samples().store(); }
    SettingsStore& settings() { return m_folder.settings(); }

    QTextEdit& editor(Pane pane) const;
    QString paneText(Pane pane) const;
    void setPaneText(Pane pane, const QString& text);

    // A sample file written directly, as a user might place one in the folder.
    void writeSampleFile(const QString& fileName, const QByteArray& bytes);
    QString samplePath(const QString& fileName) const;
    bool sampleFileExists(const QString& fileName) const;
    QByteArray sampleFile(const QString& fileName) const;
    // The sample's text as the store loads it.
    QString sampleText(const QString& name) const;

private:
    GuiTestFolder m_folder;
    std::unique_ptr<Application> m_application;
};

} // namespace quendry::test
