#pragma once

class ScriptCommandTable;

// Typing into whatever is being edited (a text view or field that is first responder):
// type TEXT: types the rest of the line, its words joined by single spaces (quote to keep more
// spaces or a #); \n in it is the return key and \\ a backslash.
// key return|backspace: presses that key.
// Both fail when nothing is being edited. Adding them also lets dump-tree show the text of
// labels, text views and text fields (a secure field's as the bullets it shows).
void addTextCommands(ScriptCommandTable& commands);
