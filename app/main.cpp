#include "app/mainwindow/MainWindow.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/ProgramFolder.h"

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
    window.show();
    return application.exec();
}
