#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace quendry {

// Opens a file with the desktop's default handler. When the desktop cannot (no handler for the
// kind of file, no desktop at all), a page (.htm, .html) or a text file is shown in a viewer of the
// program's own; anything else, or a file that cannot be read, gives a message naming the file.
class DesktopOpener {
public:
    // What asks the desktop; true when it took the request. QDesktopServices::openUrl by default.
    using Handler = std::function<bool(const QUrl&)>;

    static void open(const QString& path, QWidget* parent);

    // Replaces the desktop, for tests; an empty handler restores the desktop.
    static void setHandlerForTesting(Handler handler);
};

} // namespace quendry
