#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace quendry {

// The status picture above "Analyze". It rests on frame 1; a comparison plays the start animation
// (frames 1, 2, 3, 4, then 5 stays) when it begins and the end animation (frames 5, 4, 3, 2, then
// 1 stays) when it ends. The five frames are drawn by the program itself.
class StatusPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int frameCount = 5;
    static constexpr int pictureWidth = 120;
    static constexpr int pictureHeight = 165;

    struct Step {
        int frame;
        int waitMs;
    };
    static const std::vector<Step> startSteps;
    static constexpr int startFinalFrame = 5;
    static const std::vector<Step> endSteps;
    static constexpr int endFinalFrame = 1;

    explicit StatusPicture(QWidget* parent = nullptr);

    int frame() const { return m_frame; }
    void showFrame(int frame);

    // Plays an animation; done runs once its last frame shows. A new animation replaces one that
    // is still playing, whose done is then dropped.
    void playStart(std::function<void()> done = {});
    void playEnd(std::function<void()> done = {});

    // Frame 1 to 5 as drawn.
    static QPixmap drawFrame(int frame);

    QSize sizeHint() const override;

signals:
    void frameShown(int frame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void play(const std::vector<Step>& steps, int finalFrame, std::function<void()> done);
    void nextStep();

    QPixmap m_frames[frameCount];
    int m_frame = 1;
    std::vector<Step> m_steps;
    std::size_t m_nextStep = 0;
    int m_finalFrame = 1;
    std::function<void()> m_done;
    QTimer m_timer;
};

} // namespace quendry
