#pragma once

#include <QObject>

class QSocketNotifier;

namespace solvane {

// Turns SIGTERM and SIGHUP into a Qt signal delivered by the event loop, so that the window can keep
// the user's work and settings before it ends. The handler itself only writes the signal number
// into a socket pair (a self-pipe); everything else happens in received(). One instance at a time;
// its destruction restores the default handling.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace solvane
