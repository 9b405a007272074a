#include "LineLog.h"

namespace receiver {

LineLog::LineLog(std::FILE* out)
    : out_(out), start_(std::chrono::steady_clock::now()) {}

void LineLog::ready(unsigned long window) {
    std::fprintf(out_, "ready\t0x%lx\n", window);
    std::fflush(out_);
}

void LineLog::line(const std::string& text) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count();
    std::fprintf(out_, "%lld\t%s\n", static_cast<long long>(ms), text.c_str());
    std::fflush(out_);
}

}  // namespace receiver
