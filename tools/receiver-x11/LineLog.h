#pragma once
// The receiver's output: one line per Enter, "<ms since start>\t<text>", flushed at once so a
// test reading the pipe sees each line as soon as it is typed.
#include <chrono>
#include <cstdio>
#include <string>

namespace receiver {

class LineLog {
public:
    explicit LineLog(std::FILE* out);
    void ready(unsigned long window);
    void line(const std::string& text);

private:
    std::FILE* out_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace receiver
