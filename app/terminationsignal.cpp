#include "app/terminationsignal.h"

#ifdef Q_OS_UNIX

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int wakeUp[2] = {-1, -1};

// Only async-signal-safe work here: one byte that wakes the event loop.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeUp[0], &byte, 1);
}

} // namespace

TerminationSignal::TerminationSignal(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeUp) != 0) {
        return;
    }
    auto *notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const auto read = ::read(wakeUp[1], &byte, 1);
        emit received();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

#else

#include <QCoreApplication>

// Windows ends a session (log off, shut down) with WM_ENDSESSION, which Qt passes on as
// aboutToQuit just before the system ends the process. Any other quit comes from the ending
// routine itself, which does not run twice.
TerminationSignal::TerminationSignal(QObject *parent)
    : QObject(parent)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TerminationSignal::received);
}

#endif
