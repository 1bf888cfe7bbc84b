#pragma once

// Starts the Notes app on the simulated device: the list of the notes in its Notes store.
void launchNotesApp();

// The Notes app's built-in tour: the list, the first note's page (a tap on the first row; with no
// notes the list stays) and a tree dump. It only reads the store.
inline constexpr char kNotesTourScript[] = R"(# The Notes app, on virtual time.
wait 0.5
screenshot 00-notes.png
tap 160 86
wait 0.6
screenshot 01-note.png
dump-tree view-tree.json
)";
