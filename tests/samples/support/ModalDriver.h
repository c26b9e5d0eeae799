#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace quendry::test {

// Answers a modal window that a test opens with exec(): as soon as a window that matches shows, the
// action runs on it once, inside that window's event loop; the action must close it. When no such
// window shows within the time limit, every modal window is closed so that the test cannot hang,
// and ran() stays false.
class ModalDriver : public QObject {
    Q_OBJECT

public:
    using Match = std::function<bool(QWidget*)>;
    using Action = std::function<void(QWidget*)>;

    static constexpr int timeLimitMs = 10000;

    ModalDriver(Match match, Action action);
    // A window with this object name.
    ModalDriver(const QString& objectName, Action action);

    bool ran() const { return m_ran; }

    // A QMessageBox, which the message-box wrapper shows when its test mode is off.
    static Match messageBox();

private:
    void poll();

    Match m_match;
    Action m_action;
    QTimer m_timer;
    int m_waitedMs = 0;
    bool m_ran = false;
};

} // namespace quendry::test
