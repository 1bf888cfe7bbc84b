#include "platform/foundation/NSFileManager.h"

#include <algorithm>
#include <filesystem>

#include "platform/foundation/DeviceRoot.h"

NSFileManager& NSFileManager::defaultManager() {
    static NSFileManager manager;
    return manager;
}

bool NSFileManager::fileExistsAtPath(std::string_view devicePath) const {
    std::error_code error;
    return std::filesystem::exists(DeviceRoot::resolve(devicePath), error);
}

bool NSFileManager::createDirectoryAtPath_withIntermediateDirectories(std::string_view devicePath,
                                                                      bool intermediates) const {
    std::filesystem::path folder = DeviceRoot::resolve(devicePath);
    std::error_code error;
    if (intermediates) {
        std::filesystem::create_directories(folder, error);
    } else {
        std::filesystem::create_directory(folder, error);
    }
    return !error && std::filesystem::is_directory(folder, error);
}

std::vector<std::string> NSFileManager::contentsOfDirectoryAtPath(
    std::string_view devicePath) const {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(DeviceRoot::resolve(devicePath), error), end;
         !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
