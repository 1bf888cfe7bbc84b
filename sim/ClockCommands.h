#pragma once

class ScriptCommandTable;

// wait SECONDS: lets virtual time pass, running the timers and animations due on the way.
void addClockCommands(ScriptCommandTable& commands);
