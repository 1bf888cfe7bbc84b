#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A respring ends SpringBoard's process and starts a new one: plakko-sim runs again with the
// options it was started with, so nothing in memory survives, only the device's files. A
// headless script goes on in the new process from a resume file that the old one wrote.
struct ResumePoint {
    std::string scriptName;
    // The whole script, any bytes; nothing for a script read from standard input as it runs,
    // which the new process goes on reading.
    std::optional<std::string> scriptText;
    // The first line the new process runs.
    size_t line = 1;
};

// Writes the point to a new file of the simulator's own naming in the computer's temporary
// folder, readable by this user only, and gives its name. Throws std::runtime_error when it
// can't, leaving no file behind.
std::filesystem::path writeResumeFile(const ResumePoint& point);
// Reads a resume file and removes it: it is good for one start. Takes only a file this user's
// simulator could have written (a regular file of its naming in the temporary folder, owned by
// the user and private to them); throws std::runtime_error for anything else, leaving it alone.
ResumePoint takeResumeFile(const std::filesystem::path& file);

// The command line of the restarted simulator: `arguments` without the ones that did their work
// at the first start (the script, which the resume file carries on, an earlier resume file, the
// Convergance install and the zoom, remembered by then), a record going on rather than starting
// afresh, and with `--resume resumeFile` when there is one.
std::vector<std::string> restartArguments(const std::vector<std::string>& arguments,
                                          const std::optional<std::filesystem::path>& resumeFile);
