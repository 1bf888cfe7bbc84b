#include "sim/DefaultDeviceRoot.h"

#include <cstdlib>
#include <ostream>

std::filesystem::path defaultDeviceRoot() {
    if (const char* dataHome = std::getenv("XDG_DATA_HOME");
        dataHome != nullptr && *dataHome == '/') {
        return std::filesystem::path(dataHome) / "plakko" / "device";
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr && *home != '\0' ? home : ".") / ".local" /
           "share" / "plakko" / "device";
}

std::optional<std::filesystem::path> takeRootOption(std::vector<std::string>& args,
                                                    std::string_view command,
                                                    std::string_view usage, std::ostream& err) {
    if (args.size() < 2 || args[0] != "--root") return defaultDeviceRoot();
    if (args[1].empty()) {
        err << command << ": --root needs a folder\n" << usage;
        return std::nullopt;
    }
    std::filesystem::path root = args[1];
    args.erase(args.begin(), args.begin() + 2);
    return root;
}
