#pragma once

class ScriptCommandTable;

// While an app is in front of the unlocked device, the commands that act on what is on the
// screen (typing, keys, table rows, going back, a memory warning, an alert's buttons) run in the app's process
// instead of SpringBoard's; their arguments are checked here first, as always.
void forwardToFrontApplication(ScriptCommandTable& commands);
