#pragma once

#include <QString>

class QWidget;

namespace quendry {

// The file choosers of the program. Like MessageBox, they can be answered in advance by tests.
class FileDialogs {
public:
    // Filters for the texts a pane opens and saves.
    static QString openTextFilter();
    static QString saveTextFilter();

    // The chosen file, or an empty string when the user cancelled.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& filter);

    // Test mode: no chooser is shown; each call returns the next queued answer, or an empty
    // string (cancelled) when none is queued.
    static void setTestMode(bool on);
    static void setNextAnswer(const QString& path);
    // How many choosers were asked for since test mode was switched on.
    static int askedCount();
};

} // namespace quendry
