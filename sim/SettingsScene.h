#pragma once

struct SimulatorOptions;

// Starts the Settings app on the simulated device, whose root holds the installed deliverables:
// its root list, General → About telling the device profile's name, kind and system.
void launchSettingsApp(const SimulatorOptions& options);

// The Settings app's built-in tour: the root list, the Plakko pane (at its top and scrolled down),
// the hide-effect choices, the password pane, the note colour pane with a finger on its wheel (it
// doesn't save) and General → About. It only looks.
inline constexpr char kSettingsTourScript[] = R"(# The Settings app, on virtual time.
wait 0.5
screenshot 00-settings.png
tap-row Plakko
wait 0.6
screenshot 01-plakko.png
tap-row "Hide Effect"
wait 0.6
screenshot 02-hide-effect.png
back
wait 0.6
tap-row Password
wait 0.6
screenshot 03-password.png
back
wait 0.6
tap-row "Choose Note Colour"
wait 0.6
drag 160 380 160 80
wait 0.5
touch-down 150 230
touch-move 90 260
wait 0.4
screenshot 04-note-colour.png
touch-up
back
wait 0.6
tap-row "Follow on Twitter"
wait 0.5
screenshot 05-plakko-bottom.png
dump-tree view-tree.json
back
wait 0.6
tap-row General
wait 0.6
tap-row About
wait 0.6
screenshot 06-about.png
)";
