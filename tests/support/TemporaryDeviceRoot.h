#pragma once

#include <filesystem>
#include <string>

// A fresh device root folder for one test, set as the process's device root and removed after.
class TemporaryDeviceRoot {
public:
    TemporaryDeviceRoot();
    ~TemporaryDeviceRoot();
    TemporaryDeviceRoot(const TemporaryDeviceRoot&) = delete;
    TemporaryDeviceRoot& operator=(const TemporaryDeviceRoot&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The host path of a device path.
    std::filesystem::path operator/(const std::string& devicePath) const;

private:
    std::filesystem::path path_;
};
