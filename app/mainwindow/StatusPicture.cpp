#include "app/mainwindow/StatusPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <utility>

namespace quendry {

const std::vector<StatusPicture::Step> StatusPicture::startSteps{{1, 50}, {2, 50}, {3, 250}, {4, 500}};
const std::vector<StatusPicture::Step> StatusPicture::endSteps{{5, 500}, {4, 500}, {3, 50}, {2, 50}};

namespace {

// A sheet of text with lines in the colour of its pane.
void drawSheet(QPainter& painter, const QRectF& rect, const QColor& lines)
{
    painter.setPen(QPen(QColor(120, 120, 130), 1));
    painter.setBrush(QColor(255, 255, 252));
    painter.drawRect(rect);
    painter.setPen(QPen(lines, 2, Qt::SolidLine, Qt::RoundCap));
    int index = 0;
    for (qreal y = rect.top() + 9; y < rect.bottom() - 6; y += 7, ++index) {
        const qreal shorten = (index % 3 == 2) ? rect.width() * 0.35 : 0.0;
        painter.drawLine(QPointF(rect.left() + 7, y), QPointF(rect.right() - 7 - shorten, y));
    }
}

void drawMagnifier(QPainter& painter, const QPointF& centre, qreal radius, const QColor& glass)
{
    const QPointF handleStart = centre + QPointF(radius * 0.72, radius * 0.72);
    painter.setPen(QPen(QColor(90, 60, 40), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart, handleStart + QPointF(radius * 0.9, radius * 0.9));
    painter.setPen(QPen(QColor(70, 70, 80), 4));
    painter.setBrush(glass);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

StatusPicture::StatusPicture(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("statusPicture"));
    setFixedSize(pictureWidth, pictureHeight);
    for (int frame = 1; frame <= frameCount; ++frame)
        m_frames[frame - 1] = drawFrame(frame);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &StatusPicture::nextStep);
}

void StatusPicture::showFrame(int frame)
{
    if (frame < 1 || frame > frameCount)
        return;
    m_frame = frame;
    update();
    emit frameShown(frame);
}

void StatusPicture::playStart(std::function<void()> done)
{
    play(startSteps, startFinalFrame, std::move(done));
}

void StatusPicture::playEnd(std::function<void()> done)
{
    play(endSteps, endFinalFrame, std::move(done));
}

void StatusPicture::play(const std::vector<Step>& steps, int finalFrame, std::function<void()> done)
{
    m_timer.stop();
    m_steps = steps;
    m_nextStep = 0;
    m_finalFrame = finalFrame;
    m_done = std::move(done);
    nextStep();
}

void StatusPicture::nextStep()
{
    if (m_nextStep < m_steps.size()) {
        const Step step = m_steps[m_nextStep++];
        showFrame(step.frame);
        m_timer.start(step.waitMs);
        return;
    }
    showFrame(m_finalFrame);
    if (auto done = std::exchange(m_done, {}))
        done();
}

QSize StatusPicture::sizeHint() const
{
    return QSize(pictureWidth, pictureHeight);
}

void StatusPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_frames[m_frame - 1]);
}

QPixmap StatusPicture::drawFrame(int frame)
{
    QPixmap pixmap(pictureWidth, pictureHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // A panel whose light warms from frame 1 (at rest) to frame 5 (comparing).
    const qreal heat = (frame - 1) / 4.0;
    QLinearGradient panel(0, 0, 0, pictureHeight);
    panel.setColorAt(0, QColor::fromRgbF(0.93, 0.95 - 0.05 * heat, 0.98 - 0.25 * heat));
    panel.setColorAt(1, QColor::fromRgbF(0.82, 0.86 - 0.08 * heat, 0.93 - 0.35 * heat));
    painter.setPen(QPen(QColor(150, 150, 165), 1));
    painter.setBrush(panel);
    painter.drawRoundedRect(QRectF(0.5, 0.5, pictureWidth - 1, pictureHeight - 1), 8, 8);

    // The two texts, the first above the second, drawing closer as the comparison goes on.
    const qreal shift = 8.0 * heat;
    drawSheet(painter, QRectF(12 + shift, 12 + shift, 62, 70), QColor(40, 70, 220));
    drawSheet(painter, QRectF(46 - shift, 78 - shift, 62, 70), QColor(30, 140, 50));

    if (frame >= 2) {
        // The magnifier travels from the first text to the second and settles between them.
        static const QPointF positions[] = {{34, 42}, {60, 72}, {82, 108}, {60, 80}};
        const QPointF centre = positions[frame - 2];
        const qreal radius = 16.0 + 2.0 * (frame - 2);
        QColor glass(170, 215, 255, 90 + 30 * (frame - 2));
        drawMagnifier(painter, centre, radius, glass);
        if (frame == 5) {
            // Rays around the glass: the comparison is running.
            painter.setPen(QPen(QColor(235, 150, 30), 3, Qt::SolidLine, Qt::RoundCap));
            for (int ray = 0; ray < 8; ++ray) {
                const qreal angle = ray * 3.14159265358979 / 4.0;
                const QPointF direction(std::cos(angle), std::sin(angle));
                painter.drawLine(centre + direction * (radius + 6), centre + direction * (radius + 13));
            }
        }
    }
    painter.end();
    return pixmap;
}

} // namespace quendry
