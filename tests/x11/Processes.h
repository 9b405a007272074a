#pragma once
// The tests' child processes: any program under a name of the test's choosing, and the receiver
// tool with its log read line by line from a pipe.
#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "support/Uncopyable.h"

namespace helmsway::x11::test {

// A program, found in PATH, running under `name` (its argv[0]) until this object goes
// (SIGTERM); its standard output on a pipe.
class ChildProcess : Uncopyable {
public:
    ChildProcess(const std::string& program, const std::string& name,
                 std::vector<std::string> arguments);
    ~ChildProcess();
    pid_t pid() const { return pid_; }
    int output() const { return output_; }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

class ReceiverProcess {
public:
    explicit ReceiverProcess(std::vector<std::string> arguments = {});

    // The receiver's window, once it has said it is ready (None if it never did).
    Window window() const { return window_; }
    // The text of the next logged line (what follows its time), or nothing within the timeout:
    // a ceiling only, the wait ends with the line.
    std::optional<std::string> nextLine(
        std::chrono::milliseconds timeout = std::chrono::seconds(20));

private:
    ChildProcess process_;
    std::string buffer_;
    Window window_ = None;
};

}  // namespace helmsway::x11::test
