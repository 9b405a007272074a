#include "Guardian.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "KeyRecord.h"

namespace helmsway::x11 {
namespace {

int ignoreError(Display*, XErrorEvent*) { return 0; }
// The X server went away: nothing is left to give back keys to.
int endQuietly(Display*) { _exit(0); }

// Until the helm's end of the pipe closes; the X connection is read meanwhile only so that its
// loss ends the guardian.
void awaitEnd(Display* display, int pipe) {
    pollfd watched[2] = {{pipe, POLLIN, 0}, {ConnectionNumber(display), POLLIN, 0}};
    for (;;) {
        if (poll(watched, 2, -1) < 0) continue;
        if (watched[0].revents) {
            char byte = 0;
            if (read(pipe, &byte, 1) <= 0) return;
        }
        if (watched[1].revents) {
            XEvent event;
            // Reads what arrived; a closed connection ends the process in `endQuietly`.
            for (int n = XEventsQueued(display, QueuedAfterReading); n > 0; --n)
                XNextEvent(display, &event);
        }
    }
}

[[noreturn]] void guard(int pipe, pid_t helm) {
    setsid();
    const int null = open("/dev/null", O_RDWR);
    for (int fd = 0; fd <= 2; ++fd) dup2(null, fd);
    dup2(pipe, 3);
    close_range(4, ~0u, 0);
    pipe = 3;

    Display* display = XOpenDisplay(nullptr);
    if (!display) _exit(0);
    XSetErrorHandler(ignoreError);
    XSetIOErrorHandler(endQuietly);
    const Atom record = recordName(display, helm);
    {
        // A helm that ended before this one started may have left keys bound.
        const ServerGrab grab(display);
        giveBackAbandoned(display);
    }
    awaitEnd(display, pipe);
    // The process has ended, but the server may still be reading the last requests it sent
    // (a map change among them); it lets go of the record's ownership only after those, when
    // it closes the connection. The ceiling is for a connection kept open by some other
    // process that inherited it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (recordOwned(display, record) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    {
        const ServerGrab grab(display);
        giveBack(display, record);
    }
    XCloseDisplay(display);
    _exit(0);
}

}  // namespace

void guardBorrowedKeys() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return;
    const pid_t helm = getpid();
    const pid_t child = fork();
    if (child == 0) {
        close(ends[1]);
        guard(ends[0], helm);
    }
    // The writing end stays open for the rest of the run; the process's end closes it.
    close(ends[0]);
    if (child < 0) close(ends[1]);
}

}  // namespace helmsway::x11
