#pragma once

class ScriptCommandTable;

// What the device's buttons and its package manager do:
// lock: locks the device (the lock screen comes, as after the sleep button and a wake).
// unlock: unlocks it, as sliding to unlock does.
// home: the home button: the app in front goes to the background and the home screen shows; on
// a locked device it only wakes the screen.
// respring: SpringBoard starts again in a new process, which goes on with the script; the
// device comes up locked.
// install-convergance on|off: installs or removes the other lock-screen tweak; SpringBoard
// loads it at its next start.
void addDeviceCommands(ScriptCommandTable& commands);
