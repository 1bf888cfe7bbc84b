#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The simulated device's file system when no --root is given: a per-user data folder
// ($XDG_DATA_HOME/plakko/device, else ~/.local/share/plakko/device), so the device's state
// survives quitting the simulator.
std::filesystem::path defaultDeviceRoot();

// A command's device root: the folder of a leading "--root DIR" (taken off `args`), else the
// default one. Throws std::invalid_argument for an empty DIR.
std::filesystem::path takeRootOption(std::vector<std::string>& args);
