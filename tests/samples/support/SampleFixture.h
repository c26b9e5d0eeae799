#pragma once

#include "app/mainwindow/MainWindow.h"
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

// The main window with the sample library plugged in, over a temporary program folder and store.
class SampleFixture {
public:
    explicit SampleFixture(GuiTestFolder::Dictionary dictionary = GuiTestFolder::Dictionary::Missing);
    ~SampleFixture();

    GuiTestFolder& folder() { return m_folder; }
    MainWindow& window() { return *m_window; }
    SampleLibrary& library() { return *m_library; }
    const SampleStore& store() const { return m_library->store(); }
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
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<SampleLibrary> m_library;
};

} // namespace quendry::test
