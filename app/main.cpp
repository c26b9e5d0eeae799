#include "app/settings/SettingsStore.h"
#include "app/shell/Application.h"
#include "app/shell/FileLocations.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendry"));
    QApplication::setOrganizationName(QStringLiteral("Quendry"));
    QApplication::setApplicationVersion(QStringLiteral(QUENDRY_VERSION));
    // The desktop matches the window to its menu entry by this name; the icon is the entry's.
    QApplication::setDesktopFileName(QStringLiteral("org.quendry.Quendry"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.quendry.Quendry.png").arg(size));
    QApplication::setWindowIcon(icon);

    const auto settings = quendry::SettingsStore::openUserStore();
    quendry::Application program(*settings, quendry::FileLocations::ofApplication());
    // Without its dictionary the program cannot compare anything: it ends at once, saving nothing.
    if (!program.start())
        return 1;
    return application.exec();
}
