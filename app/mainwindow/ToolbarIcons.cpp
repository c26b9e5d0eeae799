#include "app/mainwindow/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace quendry {
namespace {

constexpr int iconSize = 16;

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(iconSize, iconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

QIcon themed(const char* name, const std::function<void(QPainter&)>& draw)
{
    return QIcon::fromTheme(QString::fromLatin1(name), drawn(draw));
}

void sheet(QPainter& painter, const QRectF& rect)
{
    painter.setPen(QPen(QColor(70, 70, 70), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(rect);
    painter.setPen(QPen(QColor(140, 140, 140), 1));
    for (qreal y = rect.top() + 3; y < rect.bottom() - 1; y += 2.5)
        painter.drawLine(QPointF(rect.left() + 2, y), QPointF(rect.right() - 2, y));
}

} // namespace

QIcon ToolbarIcons::clear()
{
    return themed("edit-clear", [](QPainter& painter) {
        sheet(painter, QRectF(2.5, 1.5, 9, 12));
        painter.setPen(QPen(QColor(200, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8, 8), QPointF(14, 14));
        painter.drawLine(QPointF(14, 8), QPointF(8, 14));
    });
}

QIcon ToolbarIcons::copy()
{
    return themed("edit-copy", [](QPainter& painter) {
        sheet(painter, QRectF(1.5, 1.5, 8, 10));
        sheet(painter, QRectF(6.5, 4.5, 8, 10));
    });
}

QIcon ToolbarIcons::paste()
{
    return themed("edit-paste", [](QPainter& painter) {
        painter.setPen(QPen(QColor(90, 60, 30), 1));
        painter.setBrush(QColor(190, 140, 80));
        painter.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.5, 1.5);
        painter.setBrush(QColor(120, 120, 120));
        painter.drawRect(QRectF(4.5, 1.5, 4, 2.5));
        sheet(painter, QRectF(6.5, 6.5, 8, 8.5));
    });
}

QIcon ToolbarIcons::undo()
{
    return themed("edit-undo", [](QPainter& painter) {
        QPainterPath path;
        path.moveTo(4, 7);
        path.cubicTo(7, 3, 13, 3, 14, 9);
        path.cubicTo(14.5, 12, 12, 14, 9, 14);
        painter.setPen(QPen(QColor(30, 90, 170), 2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 90, 170));
        painter.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(7, 8.5), QPointF(1, 10)}));
    });
}

QIcon ToolbarIcons::saveSample()
{
    return themed("document-save-as", [](QPainter& painter) {
        painter.setPen(QPen(QColor(30, 50, 100), 1));
        painter.setBrush(QColor(60, 100, 170));
        painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(4.5, 1.5, 7, 5));
        painter.setBrush(QColor(220, 220, 220));
        painter.drawRect(QRectF(3.5, 9.5, 9, 5));
    });
}

QIcon ToolbarIcons::open()
{
    return themed("document-open", [](QPainter& painter) {
        painter.setPen(QPen(QColor(120, 90, 20), 1));
        painter.setBrush(QColor(230, 190, 90));
        painter.drawRect(QRectF(1.5, 4.5, 13, 9));
        painter.drawRect(QRectF(1.5, 2.5, 5, 2));
    });
}

QIcon ToolbarIcons::saveAs()
{
    return themed("document-save", [](QPainter& painter) {
        sheet(painter, QRectF(2.5, 1.5, 11, 13));
        painter.setPen(QPen(QColor(30, 90, 170), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8, 4), QPointF(8, 11));
        painter.drawLine(QPointF(5, 8.5), QPointF(8, 11.5));
        painter.drawLine(QPointF(11, 8.5), QPointF(8, 11.5));
    });
}

} // namespace quendry
