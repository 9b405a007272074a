#include "app/qt/QuitOnSignal.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace helmsway::qt {
namespace {

int wakeSockets[2] = {-1, -1};

// Only a write is safe inside a signal handler; the event loop reads it and quits.
void onTerminationSignal(int) {
    const char byte = 0;
    [[maybe_unused]] const auto written = write(wakeSockets[0], &byte, 1);
}

}  // namespace

void quitOnTerminationSignals() {
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, wakeSockets) != 0) return;
    auto* notifier =
        new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

}  // namespace helmsway::qt
