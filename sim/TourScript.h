#pragma once

// The built-in tours: what a person without a display sees of the simulator, as headless scripts
// written into a folder.

// SpringBoard's: the lock screen with the note, turned to landscape and back, dimmed, unlocked
// to the home screen, the Settings and Notes apps opened from it (each left with the home
// button), and locked again. It only looks: the note and the settings are the person's own and
// stay as they were.
inline constexpr char kSpringBoardTourScript[] = R"(# SpringBoard, on virtual time.
wait 0.5
screenshot 00-lock-screen.png
rotate landscape-left
wait 0.6
screenshot 01-landscape.png
rotate portrait
wait 9
screenshot 02-dimmed.png
unlock
wait 0.5
screenshot 03-home-screen.png
tap 122 70
wait 0.6
screenshot 04-settings-app.png
home
wait 0.5
tap 46 70
wait 0.6
screenshot 05-notes-app.png
dump-tree view-tree.json
home
wait 0.5
lock
wait 0.5
screenshot 06-locked-again.png
)";

// The sample scene's, whose moments follow its motions: at rest, springing down, settled,
// flipping over, flipped.
inline constexpr char kSampleTourScript[] = R"(# The sample scene, on virtual time.
screenshot 00-start.png
wait 0.6
screenshot 01-springing.png
wait 1.2
screenshot 02-settled.png
wait 0.5
screenshot 03-flipping.png
wait 0.7
screenshot 04-flipped.png
dump-tree view-tree.json
)";
