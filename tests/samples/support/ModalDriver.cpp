#include "tests/samples/support/ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QWidget>

namespace quendry::test {
namespace {

constexpr int pollMs = 10;

} // namespace

ModalDriver::ModalDriver(Match match, Action action)
    : m_match(std::move(match))
    , m_action(std::move(action))
{
    m_timer.setInterval(pollMs);
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
    m_timer.start();
}

ModalDriver::ModalDriver(const QString& objectName, Action action)
    : ModalDriver([objectName](QWidget* window) { return window->objectName() == objectName; }, std::move(action))
{
}

ModalDriver::Match ModalDriver::messageBox()
{
    return [](QWidget* window) { return qobject_cast<QMessageBox*>(window) != nullptr; };
}

void ModalDriver::poll()
{
    QWidget* window = QApplication::activeModalWidget();
    if (window && window->isVisible() && m_match(window)) {
        m_timer.stop();
        m_ran = true;
        m_action(window);
        return;
    }
    m_waitedMs += pollMs;
    if (m_waitedMs < timeLimitMs)
        return;
    m_timer.stop();
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QApplication::processEvents();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
}

} // namespace quendry::test
