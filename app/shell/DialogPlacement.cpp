#include "app/shell/DialogPlacement.h"

#include "app/shell/WindowPlacement.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quendry {

DialogPlacement::DialogPlacement(SettingsStore& settings, Setting left, Setting top)
    : m_settings(settings)
    , m_left(left)
    , m_top(top)
{
}

DialogPlacement::DialogPlacement(SettingsStore& settings, Setting left, Setting top, Setting width, Setting height)
    : m_settings(settings)
    , m_left(left)
    , m_top(top)
    , m_width(width)
    , m_height(height)
{
}

void DialogPlacement::restore(QWidget& window, std::optional<QPoint> designPosition) const
{
    if (m_width && m_height) {
        const int width = m_settings.numberOrDefault(*m_width);
        const int height = m_settings.numberOrDefault(*m_height);
        window.resize(QSize(width, height).expandedTo(smallestReadableSize(window)));
    } else {
        window.adjustSize();
    }

    const auto left = m_settings.number(m_left);
    const auto top = m_settings.number(m_top);
    if (left && top) {
        WindowPlacement::moveOnScreen(window, QPoint(*left, *top));
    } else if (designPosition) {
        WindowPlacement::moveOnScreen(window, *designPosition);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

QSize DialogPlacement::smallestReadableSize(const QWidget& window)
{
    // Title bars usually show the title in a bold form of the window's font.
    QFont titleFont = window.font();
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(window.windowTitle()) + titleBarAllowance;
    const QSize controls = window.minimumSizeHint().expandedTo(window.minimumSize());
    return QSize(std::max(controls.width(), titleWidth), controls.height());
}

void DialogPlacement::store(const QWidget& window) const
{
    if (m_width && m_height) {
        m_settings.setNumber(*m_width, window.width());
        m_settings.setNumber(*m_height, window.height());
    }
    m_settings.setNumber(m_left, window.x());
    m_settings.setNumber(m_top, window.y());
}

} // namespace quendry
