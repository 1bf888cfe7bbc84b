#include "sim/DeviceCommands.h"

#include <stdexcept>

#include "platform/springboard/SpringBoard.h"
#include "sim/DeviceRootLayout.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"

namespace {

using Arguments = ScriptCommandTable::Arguments;

SpringBoard& bootedSpringBoard() {
    SpringBoard& springBoard = SpringBoard::shared();
    if (!springBoard.isBooted()) throw ScriptError("SpringBoard isn't running in this scene");
    return springBoard;
}

using Action = ScriptCommandTable::Action;

// The commands without arguments.
ScriptCommandTable::Prepare always(Action action) {
    return [action = std::move(action)](const Arguments&) { return action; };
}

Action installConvergance(const Arguments& arguments) {
    if (arguments[0] != "on" && arguments[0] != "off")
        throw ScriptError("install-convergance takes on or off, not \"" + arguments[0] + "\"");
    return [installed = arguments[0] == "on"](ScriptContext&) {
        try {
            setConverganceInstalled(installed);
        } catch (const std::runtime_error& error) {
            throw ScriptError(error.what());
        }
    };
}

}  // namespace

void addDeviceCommands(ScriptCommandTable& commands) {
    commands.add("lock",
                 {"lock", 0, 0, always([](ScriptContext&) { bootedSpringBoard().lock(); })});
    commands.add("unlock",
                 {"unlock", 0, 0, always([](ScriptContext&) { bootedSpringBoard().unlock(); })});
    commands.add("home", {"home", 0, 0,
                          always([](ScriptContext&) { bootedSpringBoard().pressHomeButton(); })});
    commands.add("respring", {"respring", 0, 0, always([](ScriptContext& context) {
                                  context.restartRequested = true;
                              })});
    commands.add("install-convergance", {"install-convergance on|off", 1, 1, installConvergance});
}
