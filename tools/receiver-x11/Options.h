#pragma once
#include <optional>
#include <string>

namespace receiver {

struct Options {
    std::string title = "Ultima Online";
    std::string windowClass = "HelmswayReceiver";  // WM_CLASS's class: to pose as another program
    std::string logFile;  // empty: stdout
    int stallMs = 0;      // stop reading this long once the first key is in, like a game loading
};

// Nothing when the arguments are not understood.
std::optional<Options> parseOptions(int argc, char** argv);

}  // namespace receiver
