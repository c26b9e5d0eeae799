#pragma once

#include <QObject>

class QSocketNotifier;

namespace quendry {

// Turns the signals by which the system asks a program to end (SIGTERM, and SIGHUP when the
// terminal goes) into a Qt signal on the event loop. A signal handler may do almost nothing, so it
// only writes one byte into a socket pair whose other end the event loop watches. One watcher at
// a time; on systems without these signals it never fires.
class TerminationWatcher : public QObject {
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;
    TerminationWatcher(const TerminationWatcher&) = delete;
    TerminationWatcher& operator=(const TerminationWatcher&) = delete;

    // False when the handlers could not be installed (the program then ends on SIGTERM the
    // system's way, as before).
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void terminationRequested();

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace quendry
