#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

// A path of this process's own for a target's files, in memory-backed /dev/shm when there is one
// (the targets write and sync files on every input), else in the temporary folder.
inline std::filesystem::path scratchPath(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                             ? std::filesystem::path("/dev/shm")
                                             : std::filesystem::temp_directory_path();
    return folder / ("plakko-" + name + "-" + std::to_string(::getpid()));
}
