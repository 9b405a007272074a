#include "Options.h"

#include <charconv>
#include <cstring>

namespace receiver {

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--title" && hasValue) {
            options.title = argv[++i];
        } else if (arg == "--class" && hasValue) {
            options.windowClass = argv[++i];
        } else if (arg == "--log" && hasValue) {
            options.logFile = argv[++i];
        } else if (arg == "--stall" && hasValue) {
            const std::string_view value = argv[++i];
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), options.stallMs);
            if (error != std::errc{} || end != value.data() + value.size() || options.stallMs < 0)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace receiver
