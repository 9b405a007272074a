#include "Process.h"

#include <limits.h>
#include <unistd.h>

#include <fstream>

namespace helmsway::linux_process {

std::string hostName() {
    char name[HOST_NAME_MAX + 1] = {};
    return gethostname(name, sizeof name - 1) == 0 ? name : "";
}

std::string programOfProcess(unsigned long pid) {
    std::ifstream cmdline("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
    std::string first;
    if (!std::getline(cmdline, first, '\0')) return {};
    const auto slash = first.find_last_of("/\\");
    return slash == std::string::npos ? first : first.substr(slash + 1);
}

WindowFacts managedWindow(std::string title, std::string windowClass, unsigned long pid) {
    return {std::move(title), std::move(windowClass), pid ? programOfProcess(pid) : std::string(),
            true, pid != 0 && pid == static_cast<unsigned long>(getpid()), false};
}

}  // namespace helmsway::linux_process
