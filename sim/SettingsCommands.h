#pragma once

class ScriptCommandTable;

// Commands for apps built of tables and navigation, such as the Settings app:
// tap-row LABEL: scrolls the frontmost table until the row whose text is LABEL (the rest of the
//   line) is on screen, then taps it; fails naming the rows on screen when there is none.
// back: goes back one pane, as the navigation bar's back button does.
// memory-warning: the system runs short of memory (controllers drop the views of panes that
//   are off screen).
// Adding them also lets dump-tree show scroll views' content offsets, table rows' texts and
// switches' and sliders' values.
void addSettingsCommands(ScriptCommandTable& commands);
