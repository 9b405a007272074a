#include "Processes.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace helmsway::x11::test {

ChildProcess::ChildProcess(const std::string& program, const std::string& name,
                           std::vector<std::string> arguments) {
    int fds[2];
    if (pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    arguments.insert(arguments.begin(), name);
    std::vector<char*> argv;
    for (auto& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawnp(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    output_ = fds[0];
}

ChildProcess::~ChildProcess() {
    if (pid_ >= 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (output_ >= 0) close(output_);
}

ReceiverProcess::ReceiverProcess(std::vector<std::string> arguments)
    : process_(HELMSWAY_RECEIVER, HELMSWAY_RECEIVER, std::move(arguments)) {
    // Its first line, "ready" and the window, says its window is up. The wait ends there; the
    // ceiling is for a busy machine, where starting may take many seconds.
    if (const auto window = nextLine(std::chrono::seconds(30)))
        window_ = std::stoul(*window, nullptr, 16);
}

std::optional<std::string> ReceiverProcess::nextLine(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const auto end = buffer_.find('\n'); end != std::string::npos) {
            const auto tab = buffer_.find('\t');
            std::optional<std::string> text;
            if (tab < end) text = buffer_.substr(tab + 1, end - tab - 1);
            buffer_.erase(0, end + 1);
            return text;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || process_.output() < 0) return std::nullopt;
        pollfd fd{process_.output(), POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
        char chunk[4096];
        const auto got = read(process_.output(), chunk, sizeof chunk);
        if (got <= 0) return std::nullopt;
        buffer_.append(chunk, static_cast<std::size_t>(got));
    }
}

}  // namespace helmsway::x11::test
