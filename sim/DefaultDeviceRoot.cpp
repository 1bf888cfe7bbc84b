#include "sim/DefaultDeviceRoot.h"

#include <cstdlib>

std::filesystem::path defaultDeviceRoot() {
    if (const char* dataHome = std::getenv("XDG_DATA_HOME");
        dataHome != nullptr && *dataHome == '/') {
        return std::filesystem::path(dataHome) / "plakko" / "device";
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr && *home != '\0' ? home : ".") / ".local" /
           "share" / "plakko" / "device";
}
