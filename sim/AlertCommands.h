#pragma once

class ScriptCommandTable;

// alert-button LABEL: presses the button titled LABEL (the rest of the line) of the frontmost
// alert on the screen, as a tap on it would.
void addAlertCommands(ScriptCommandTable& commands);
