#pragma once
// The receiver tool run as a child process, its log read line by line from a pipe.
#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace helmsway::x11::test {

class ReceiverProcess {
public:
    explicit ReceiverProcess(std::vector<std::string> arguments = {});
    ~ReceiverProcess();
    ReceiverProcess(const ReceiverProcess&) = delete;
    ReceiverProcess& operator=(const ReceiverProcess&) = delete;

    // The receiver's window, once it has said it is ready (None if it never did).
    Window window() const { return window_; }
    // The text of the next logged line (what follows its time), or nothing within the timeout:
    // a ceiling only, the wait ends with the line.
    std::optional<std::string> nextLine(
        std::chrono::milliseconds timeout = std::chrono::seconds(20));

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string buffer_;
    Window window_ = None;
};

}  // namespace helmsway::x11::test
