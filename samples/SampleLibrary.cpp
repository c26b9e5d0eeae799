#include "samples/SampleLibrary.h"

#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/TextPane.h"
#include "app/shell/MessageBox.h"
#include "samples/SaveSampleDialog.h"
#include "samples/SamplesDialog.h"

namespace quendry {

SampleLibrary::SampleLibrary(MainWindow& window)
    : m_window(window)
    , m_store(window.programFolder())
{
}

void SampleLibrary::openSamples(QWidget* parent)
{
    SamplesDialog dialog(*this, parent);
    dialog.exec();
}

void SampleLibrary::saveSampleAs(Pane pane, QWidget* parent)
{
    SaveSampleDialog dialog(m_store, m_window.settings(), *m_window.pane(pane).document(), parent);
    dialog.exec();
}

bool SampleLibrary::putIntoPane(const QString& name, Pane pane, QWidget* parent)
{
    if (const auto error = m_store.ensureFolder()) {
        MessageBox::error(parent, *error);
        return false;
    }
    if (!m_store.exists(name))
        return false;
    if (const auto error = m_window.loadPaneFromFile(pane, m_store.filePath(name))) {
        MessageBox::error(parent, *error);
        return false;
    }
    m_remembered.remember(pane, name);
    return true;
}

} // namespace quendry
