#pragma once

#include <optional>
#include <string>

#include "sim/WindowZoom.h"

// The zoom the window last had for each device model, kept in the device root's
// /SimulatorWindow.plist (a dictionary of zoom names by --device name under "Zoom"), so the
// next window of that model opens in it.

// Nothing when none was remembered or the file doesn't say (missing, broken, an unknown name).
std::optional<WindowZoom> rememberedZoom(const std::string& deviceName);
// Keeps the other models' zooms. A file that can't be written costs a log line, nothing more.
void rememberZoom(const std::string& deviceName, WindowZoom zoom);
