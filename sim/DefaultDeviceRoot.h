#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The simulated device's file system when no --root is given: a per-user data folder
// ($XDG_DATA_HOME/plakko/device, else ~/.local/share/plakko/device), so the device's state
// survives quitting the simulator.
std::filesystem::path defaultDeviceRoot();

// A command's device root: the folder of a leading "--root DIR" (taken off `args`), else the
// default one. Nothing for an empty DIR, after saying so on `err` as "COMMAND: …" and the usage.
std::optional<std::filesystem::path> takeRootOption(std::vector<std::string>& args,
                                                    std::string_view command,
                                                    std::string_view usage, std::ostream& err);
