#include "app/shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quendry {

QPoint WindowPlacement::corrected(const QRect& window, const QList<QRect>& screens, const QRect& primary)
{
    const QRect band(window.left(), window.top(), window.width(), titleBand);
    for (const QRect& screen : screens) {
        const QRect visible = band.intersected(screen);
        if (visible.width() >= std::min(minimumVisibleWidth, window.width())
            && visible.height() >= minimumVisibleHeight) {
            return window.topLeft();
        }
    }
    if (primary.isEmpty())
        return window.topLeft();
    QPoint place = primary.topLeft();
    if (window.width() < primary.width())
        place.rx() += (primary.width() - window.width()) / 2;
    if (window.height() < primary.height())
        place.ry() += (primary.height() - window.height()) / 2;
    return place;
}

QPoint WindowPlacement::correctedOnDesktop(const QRect& window)
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    return corrected(window, screens, primary ? primary->availableGeometry() : QRect());
}

void WindowPlacement::moveOnScreen(QWidget& widget, const QPoint& stored)
{
    widget.move(correctedOnDesktop(QRect(stored, widget.size())));
}

} // namespace quendry
