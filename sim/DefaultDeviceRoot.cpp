#include "sim/DefaultDeviceRoot.h"

#include <cstdlib>
#include <stdexcept>

std::filesystem::path defaultDeviceRoot() {
    if (const char* dataHome = std::getenv("XDG_DATA_HOME");
        dataHome != nullptr && *dataHome == '/') {
        return std::filesystem::path(dataHome) / "plakko" / "device";
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr && *home != '\0' ? home : ".") / ".local" /
           "share" / "plakko" / "device";
}

std::filesystem::path takeRootOption(std::vector<std::string>& args) {
    if (args.size() < 2 || args[0] != "--root") return defaultDeviceRoot();
    if (args[1].empty()) throw std::invalid_argument("--root needs a folder");
    std::filesystem::path root = args[1];
    args.erase(args.begin(), args.begin() + 2);
    return root;
}
