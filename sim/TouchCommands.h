#pragma once

class ScriptCommandTable;

// A finger on the screen, at screen points, on virtual time:
// tap X Y: down and up again a moment later.
// press X Y SECONDS: down, held for SECONDS, up.
// tap-press X Y SECONDS: a tap, then a press held for SECONDS, as a long press after a tap wants.
// drag X1 Y1 X2 Y2 [SECONDS [STEPS]]: down at the start, STEPS equal moves over SECONDS (0.3 and
// 10 unless given), up at the end.
// touch-down X Y: down, and left down for the next commands (a screenshot mid-gesture).
// touch-move X Y [SECONDS [STEPS]]: the finger that is down moves to (X, Y) as a drag's does.
// touch-up [X Y]: lifts it where it is, or at (X, Y).
// touch-cancel: the finger that is down is taken away without lifting (no tap), as when the
// window loses focus.
void addTouchCommands(ScriptCommandTable& commands);
