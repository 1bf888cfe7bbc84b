#pragma once

#include <string_view>

#include "platform/ui/views/UIDevice.h"

class ScriptCommandTable;

// rotate portrait|upside-down|landscape-left|landscape-right: turns the device (see
// rotateDevice); the names are the device's orientations.
void addRotationCommands(ScriptCommandTable& commands);

// The name rotate takes for `orientation`; portrait for the orientations rotate doesn't name.
std::string_view orientationScriptName(UIDeviceOrientation orientation);
