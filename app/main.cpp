#include "app/settings/SettingsStore.h"
#include "app/shell/Application.h"
#include "app/shell/FileLocations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendry"));
    QApplication::setOrganizationName(QStringLiteral("Quendry"));
    QApplication::setApplicationVersion(QStringLiteral(QUENDRY_VERSION));

    const auto settings = quendry::SettingsStore::openUserStore();
    quendry::Application program(*settings, quendry::FileLocations::ofApplication());
    // Without its dictionary the program cannot compare anything: it ends at once, saving nothing.
    if (!program.start())
        return 1;
    return application.exec();
}
