#include "sim/ScriptCommands.h"

#include "sim/AlertCommands.h"
#include "sim/AppForwarding.h"
#include "sim/CaptureCommands.h"
#include "sim/ClockCommands.h"
#include "sim/DeviceCommands.h"
#include "sim/RotationCommands.h"
#include "sim/SettingsCommands.h"
#include "sim/TextCommands.h"
#include "sim/TouchCommands.h"

ScriptCommandTable scriptCommands() {
    ScriptCommandTable commands;
    addClockCommands(commands);
    addDeviceCommands(commands);
    addCaptureCommands(commands);
    addTouchCommands(commands);
    addRotationCommands(commands);
    addAlertCommands(commands);
    addTextCommands(commands);
    addSettingsCommands(commands);
    forwardToFrontApplication(commands);
    return commands;
}
