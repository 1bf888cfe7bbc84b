#pragma once

class ScriptCommandTable;

// screenshot FILE.png: the screen as it is now, at the screen's scale.
// dump-tree FILE.json: every window's view tree (see ViewTreeDump).
void addCaptureCommands(ScriptCommandTable& commands);
