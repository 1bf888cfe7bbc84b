#include "sim/RotationCommands.h"

#include <string_view>
#include <utility>

#include "sim/DeviceRotation.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptError.h"

namespace {

constexpr std::pair<std::string_view, UIDeviceOrientation> kOrientations[] = {
    {"portrait", UIDeviceOrientationPortrait},
    {"upside-down", UIDeviceOrientationPortraitUpsideDown},
    {"landscape-left", UIDeviceOrientationLandscapeLeft},
    {"landscape-right", UIDeviceOrientationLandscapeRight},
};

ScriptCommandTable::Action rotate(const ScriptCommandTable::Arguments& arguments) {
    for (const auto& [name, orientation] : kOrientations) {
        if (arguments[0] == name)
            return [orientation = orientation](ScriptContext&) { rotateDevice(orientation); };
    }
    throw ScriptError("\"" + arguments[0] +
                      "\" is no orientation: portrait, upside-down, landscape-left or "
                      "landscape-right");
}

}  // namespace

void addRotationCommands(ScriptCommandTable& commands) {
    commands.add("rotate",
                 {"rotate portrait|upside-down|landscape-left|landscape-right", 1, 1, rotate});
}

std::string_view orientationScriptName(UIDeviceOrientation orientation) {
    for (const auto& [name, each] : kOrientations) {
        if (each == orientation) return name;
    }
    return kOrientations[0].first;
}
