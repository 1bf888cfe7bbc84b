#pragma once

#include <string>
#include <string_view>
#include <vector>

// File operations on device paths (see DeviceRoot).
class NSFileManager {
  public:
    static NSFileManager& defaultManager();

    bool fileExistsAtPath(std::string_view devicePath) const;
    bool createDirectoryAtPath_withIntermediateDirectories(std::string_view devicePath,
                                                           bool intermediates) const;
    // Names of the entries of a folder, sorted; empty when it can't be read.
    std::vector<std::string> contentsOfDirectoryAtPath(std::string_view devicePath) const;
};
