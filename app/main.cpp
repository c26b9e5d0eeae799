#include "app/mainwindow/MainWindow.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/ProgramFolder.h"

#ifdef QUENDRY_WITH_SAMPLES
#include "samples/SampleLibrary.h"
#endif
#ifdef QUENDRY_WITH_HISTORY
#include "history/HistoryLog.h"
#endif

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendry"));
    QApplication::setOrganizationName(QStringLiteral("Quendry"));
    QApplication::setApplicationVersion(QStringLiteral(QUENDRY_VERSION));

    const auto settings = quendry::SettingsStore::openUserStore();
    quendry::MainWindow window(*settings, quendry::ProgramFolder::ofApplication());
    // Without its dictionary the program cannot compare anything: it ends at once, saving nothing.
    if (!window.checkDictionary())
        return 1;

#ifdef QUENDRY_WITH_SAMPLES
    quendry::SampleLibrary samples(window);
    window.setSampleHook(&samples);
#ifdef QUENDRY_WITH_HISTORY
    quendry::HistoryLog history(window, samples);
    window.setHistoryHook(&history);
#endif
#endif

    window.show();
    const int status = application.exec();
    // The window outlives the parts plugged into it; unplug them before they go.
    window.setHistoryHook(nullptr);
    window.setSampleHook(nullptr);
    return status;
}
