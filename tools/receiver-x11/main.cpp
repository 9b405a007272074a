// helmsway-receiver: a window titled like the game's that logs what is typed into it.
//   helmsway-receiver [--title T] [--class C] [--log FILE] [--stall MS]
// Prints "ready\t<window id>" once the window is shown, then "<ms>\t<text>" per Enter.
#include <X11/Xlib.h>
#include <langinfo.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

#include "LineLog.h"
#include "Options.h"
#include "ReceiverWindow.h"

namespace {

int wakePipe[2] = {-1, -1};

void onTerminate(int) {
    const char byte = 0;
    [[maybe_unused]] const auto written = write(wakePipe[1], &byte, 1);
}

// The input method hands text over in the locale's encoding; make that UTF-8 even when the
// environment names no locale.
void useUtf8Locale() {
    if (std::setlocale(LC_CTYPE, "") && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) return;
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

int main(int argc, char** argv) {
    auto options = receiver::parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: helmsway-receiver [--title T] [--class C] [--log FILE] [--stall MS]\n");
        return 2;
    }
    useUtf8Locale();
    std::FILE* out = stdout;
    if (!options->logFile.empty() && !(out = std::fopen(options->logFile.c_str(), "w"))) {
        std::perror(options->logFile.c_str());
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "helmsway-receiver: cannot open the display\n");
        return 1;
    }
    if (pipe(wakePipe) != 0) return 1;
    struct sigaction action {};
    action.sa_handler = onTerminate;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    receiver::LineLog log(out);
    bool running = true;
    {
        receiver::ReceiverWindow window(display, *options, log);
        while (running) {
            if (!XPending(display)) {
                pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {wakePipe[0], POLLIN, 0}};
                if (poll(fds, 2, -1) < 0 && errno != EINTR) break;
                if (fds[1].revents) break;
            }
            while (running && XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                running = window.handle(event);
            }
            if (options->stallMs > 0 && window.keyPressed()) {
                // Like a game loading a scene between two frames: the rest of the text queues
                // up unread meanwhile, and is decoded only afterwards.
                std::this_thread::sleep_for(std::chrono::milliseconds(options->stallMs));
                options->stallMs = 0;
            }
        }
    }
    XCloseDisplay(display);
    if (out != stdout) std::fclose(out);
    return 0;
}
