#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QWidget;

namespace quendry {

// Keeps stored window positions usable: a window whose title area would lie on no screen (a
// monitor was removed, the resolution shrank) is brought back onto the primary screen.
class WindowPlacement {
public:
    // The band along the window's top that the user needs to see to move it.
    static constexpr int titleBand = 30;
    static constexpr int minimumVisibleWidth = 64;
    static constexpr int minimumVisibleHeight = 10;

    // The top-left corner for a window that would cover `window`: unchanged when its title band
    // shows well enough on one of the screens, otherwise centred on the primary screen (or at its
    // top-left corner when the window is larger).
    static QPoint corrected(const QRect& window, const QList<QRect>& screens, const QRect& primary);

    // The same against the desktop's screens (their available areas).
    static QPoint correctedOnDesktop(const QRect& window);
    // Moves the widget to the stored position, corrected as above.
    static void moveOnScreen(QWidget& widget, const QPoint& stored);
};

} // namespace quendry
