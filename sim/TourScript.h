#pragma once

// The built-in tour: what a person without a display sees of the simulator, as a headless script
// written into a folder. Its moments follow the sample scene's motions: at rest, springing down,
// settled, flipping over, flipped.
inline constexpr char kTourScript[] = R"(# The sample scene, on virtual time.
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
