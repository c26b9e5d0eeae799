#include "app/shell/DesktopOpener.h"

#include "app/shell/MessageBox.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quendry {
namespace {

DesktopOpener::Handler& handler()
{
    static DesktopOpener::Handler current;
    return current;
}

bool askDesktop(const QUrl& url)
{
    if (handler())
        return handler()(url);
    return QDesktopServices::openUrl(url);
}

// A non-modal window that lives until it is closed.
void showInViewer(const QString& path, QWidget* parent)
{
    auto* viewer = new QDialog(parent);
    viewer->setObjectName(QStringLiteral("fileViewer"));
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - ") + MessageBox::applicationTitle());
    auto* browser = new QTextBrowser(viewer);
    browser->setObjectName(QStringLiteral("fileViewerBrowser"));
    // Links to other pages beside it work; links to the web go to the desktop, if it can.
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl::fromLocalFile(path));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, viewer);
    QObject::connect(buttons, &QDialogButtonBox::rejected, viewer, &QDialog::close);
    auto* layout = new QVBoxLayout(viewer);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    viewer->resize(720, 560);
    viewer->show();
}

} // namespace

void DesktopOpener::open(const QString& path, QWidget* parent)
{
    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo file(path);
    if (!file.isFile()) {
        MessageBox::error(parent, QStringLiteral("Cannot open %1: the file does not exist.").arg(name));
        return;
    }
    if (askDesktop(QUrl::fromLocalFile(file.absoluteFilePath())))
        return;
    const QString suffix = file.suffix().toLower();
    const bool viewable = suffix == QLatin1String("htm") || suffix == QLatin1String("html")
        || suffix == QLatin1String("txt");
    QFile readable(path);
    if (!viewable || !readable.open(QIODevice::ReadOnly)) {
        MessageBox::error(parent,
            QStringLiteral("Cannot open %1: the desktop has no program for it%2.")
                .arg(name, viewable ? QStringLiteral(", and it cannot be read") : QString()));
        return;
    }
    showInViewer(file.absoluteFilePath(), parent);
}

void DesktopOpener::setHandlerForTesting(Handler handler)
{
    quendry::handler() = std::move(handler);
}

} // namespace quendry
