#pragma once

#include <stdexcept>

// A script that can't go on: an unknown command, a bad argument, a file that can't be written.
// Command handlers throw it with the reason; the runner puts the script's name and line in front.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
