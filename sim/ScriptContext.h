#pragma once

#include <filesystem>
#include <string>

class DeviceScreen;

// What script commands act on. Later commands (input, locking) add what they need here.
struct ScriptContext {
    DeviceScreen& screen;
    // Relative file names in commands are taken from here.
    std::filesystem::path outputFolder;
    // Set by a command after which the device's process starts again (a respring): the script
    // goes on in the new process.
    bool restartRequested = false;

    std::filesystem::path resolve(const std::string& fileName) const {
        return outputFolder / fileName;
    }
};
