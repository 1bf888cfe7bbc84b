#pragma once

class ScriptCommandTable;

// rotate portrait|upside-down|landscape-left|landscape-right: turns the device (see
// rotateDevice); the names are the device's orientations.
void addRotationCommands(ScriptCommandTable& commands);
