#include "app/mainwindow/ResultGauge.h"

#include <QPainter>

#include <algorithm>

namespace quendry {

const QColor ResultGauge::barColor(233, 177, 86);
const QColor ResultGauge::backgroundColor(253, 233, 172);
const QColor ResultGauge::textColor(0, 0, 0);

ResultGauge::ResultGauge(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("resultGauge"));
    // Only the weight is set, so family and size follow the window's font.
    QFont bold;
    bold.setBold(true);
    setFont(bold);
    setFixedHeight(19);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ResultGauge::setValue(int value)
{
    const int clamped = std::clamp(value, 0, 100);
    if (clamped == m_value)
        return;
    m_value = clamped;
    update();
}

QString ResultGauge::text() const
{
    return QString::number(m_value) + QLatin1Char('%');
}

QSize ResultGauge::sizeHint() const
{
    return QSize(200, 19);
}

void ResultGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, backgroundColor);
    const int barWidth = area.width() * m_value / 100;
    painter.fillRect(QRect(area.left(), area.top(), barWidth, area.height()), barColor);
    painter.setPen(textColor);
    painter.setFont(font());
    painter.drawText(area, Qt::AlignCenter, text());
}

} // namespace quendry
