#include "platform/terminationsignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace solvane {

namespace {

// [0] is read by the notifier, [1] written by the handler.
int signalPipe[2] = {-1, -1};

constexpr int HandledSignals[] = {SIGTERM, SIGHUP};

extern "C" void writeSignalNumber(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // Only async-signal-safe calls here; a full pipe drops the byte, and one is enough to end.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);

    struct sigaction action {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : HandledSignals) ::sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    for (const int number : HandledSignals) std::signal(number, SIG_DFL);
    delete notifier_;
    for (int& end : signalPipe) {
        if (end >= 0) ::close(end);
        end = -1;
    }
}

void TerminationSignals::readSignal()
{
    // Signals that came together end the program once.
    unsigned char number = 0;
    bool any = false;
    while (::read(signalPipe[0], &number, 1) == 1) any = true;
    if (any) emit received(number);
}

}  // namespace solvane
