#include "app/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>

#include "common/logging.h"

namespace {

int signalSockets[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe calls here; a full socket already has a
    // request in it.
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0) {
        qCWarning(lcApp, "Cannot watch for termination signals; they end the program at once");
        return;
    }
    notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::closeEverything);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) ::sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    for (const int number : kSignals) std::signal(number, SIG_DFL);
    delete notifier;
    for (int& socket : signalSockets) {
        if (socket >= 0) ::close(socket);
        socket = -1;
    }
}

void TerminationSignals::closeEverything() {
    char bytes[16];
    while (::read(signalSockets[1], bytes, sizeof bytes) > 0) {
    }
    qCInfo(lcApp, "Ending on a termination signal");
    isTerminationRequested = true;
    // The modal box first: the host window's close waits behind its loop.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
