#include "app/shell/TerminationWatcher.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace quendry {

#ifdef Q_OS_UNIX
namespace {

// The socket pair: the handler writes to [0], the event loop reads [1]. -1 while no watcher lives.
int signalSockets[2] = {-1, -1};
struct sigaction previousTerm;
struct sigaction previousHup;

extern "C" void onTerminationSignal(int)
{
    const char byte = 1;
    // Nothing to do when the write fails: a byte is already waiting.
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent)
{
    if (signalSockets[0] != -1 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(SIGTERM, &action, &previousTerm) != 0 || ::sigaction(SIGHUP, &action, &previousHup) != 0) {
        ::close(signalSockets[0]);
        ::close(signalSockets[1]);
        signalSockets[0] = signalSockets[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatcher::readSignal);
}

TerminationWatcher::~TerminationWatcher()
{
    if (!m_notifier)
        return;
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    ::sigaction(SIGHUP, &previousHup, nullptr);
    delete m_notifier;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void TerminationWatcher::readSignal()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(signalSockets[1], &byte, 1);
    emit terminationRequested();
}

#else

TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent)
{
}

TerminationWatcher::~TerminationWatcher() = default;

void TerminationWatcher::readSignal() {}

#endif

} // namespace quendry
