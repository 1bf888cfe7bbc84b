#pragma once

#include <filesystem>
#include <string>

class DeviceScreen;

// What script commands act on. Later commands (input, locking) add what they need here.
struct ScriptContext {
    DeviceScreen& screen;
    // Relative file names in commands are taken from here.
    std::filesystem::path outputFolder;

    std::filesystem::path resolve(const std::string& fileName) const {
        return outputFolder / fileName;
    }
};
