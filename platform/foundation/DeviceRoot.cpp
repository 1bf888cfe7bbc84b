#include "platform/foundation/DeviceRoot.h"

#include <mutex>
#include <vector>

#include "platform/foundation/NSAssertionHandler.h"

namespace {

std::mutex rootMutex;
std::filesystem::path rootFolder;

}  // namespace

void DeviceRoot::setPath(const std::filesystem::path& hostFolder) {
    std::lock_guard lock(rootMutex);
    rootFolder = std::filesystem::absolute(hostFolder).lexically_normal();
}

bool DeviceRoot::isSet() {
    std::lock_guard lock(rootMutex);
    return !rootFolder.empty();
}

std::filesystem::path DeviceRoot::path() {
    std::lock_guard lock(rootMutex);
    NSAssert(!rootFolder.empty(), "The device root must be set before device paths are used.");
    return rootFolder;
}

std::filesystem::path DeviceRoot::resolve(std::string_view devicePath) {
    // Walk the components ourselves so that ".." stops at the device's "/".
    std::vector<std::string_view> components;
    size_t start = 0;
    while (start <= devicePath.size()) {
        size_t end = devicePath.find('/', start);
        if (end == std::string_view::npos)
            end = devicePath.size();
        std::string_view component = devicePath.substr(start, end - start);
        if (component == "..") {
            if (!components.empty())
                components.pop_back();
        } else if (!component.empty() && component != ".") {
            components.push_back(component);
        }
        start = end + 1;
    }
    std::filesystem::path resolved = path();
    for (std::string_view component : components)
        resolved /= component;
    return resolved;
}
