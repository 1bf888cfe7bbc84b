#include "sim/ScriptCommands.h"

#include "sim/CaptureCommands.h"
#include "sim/ClockCommands.h"

ScriptCommandTable scriptCommands() {
    ScriptCommandTable commands;
    addClockCommands(commands);
    addCaptureCommands(commands);
    return commands;
}
