#pragma once

#include <filesystem>

// The simulated device's file system when no --root is given: a per-user data folder
// ($XDG_DATA_HOME/plakko/device, else ~/.local/share/plakko/device), so the device's state
// survives quitting the simulator.
std::filesystem::path defaultDeviceRoot();
