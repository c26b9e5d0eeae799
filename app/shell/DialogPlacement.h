#pragma once

#include "app/settings/SettingsStore.h"

#include <QPoint>
#include <QSize>

#include <optional>

class QWidget;

namespace quendry {

// A dialog's size and position in the settings store. The size comes back from stored values
// (their defaults are written first when they are empty); the position comes back when both edges
// are stored, otherwise the dialog opens at its default position, or centred on the screen when it
// has none. A stored position that has gone off every screen is brought back onto the desktop.
class DialogPlacement {
public:
    // A dialog that keeps its position only and sizes itself.
    DialogPlacement(SettingsStore& settings, Setting left, Setting top);
    // A dialog that keeps its size as well.
    DialogPlacement(SettingsStore& settings, Setting left, Setting top, Setting width, Setting height);

    // A stored or default size too small to show the window's controls and its whole title is
    // raised to the smallest size that shows them; the stored values stay as they are.
    void restore(QWidget& window, std::optional<QPoint> designPosition) const;

    // The smallest size at which the window shows its controls and, in its title bar, its whole
    // title beside the window system's buttons.
    static QSize smallestReadableSize(const QWidget& window);
    // Room that a title bar takes besides the title: the window icon and up to three buttons.
    static constexpr int titleBarAllowance = 160;
    // Writes the current size (where kept) and position as decimal text.
    void store(const QWidget& window) const;

private:
    SettingsStore& m_settings;
    Setting m_left;
    Setting m_top;
    std::optional<Setting> m_width;
    std::optional<Setting> m_height;
};

} // namespace quendry
