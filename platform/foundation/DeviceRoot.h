#pragma once

#include <filesystem>
#include <string_view>

// The simulated device's file system lives in a folder of the host: the device root. Device paths
// map under it; the simulated process's working directory is the device's "/", so a relative path
// resolves from the root too. ".." never leads out of the root.
class DeviceRoot {
  public:
    static void setPath(const std::filesystem::path& hostFolder);
    static bool isSet();
    static std::filesystem::path path();

    // The host path of a device path ("/var/mobile/Library/..." or "Library/...").
    static std::filesystem::path resolve(std::string_view devicePath);
};
