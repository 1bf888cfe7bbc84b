#pragma once

#include <filesystem>

// Makes `hostFolder` the simulated device's file system and gives it the iOS folders the system
// looks in (tweak libraries, settings bundles and their loader entries, preferences, notes),
// creating those that are missing. Throws std::runtime_error saying what could not be created.
void prepareDeviceRoot(const std::filesystem::path& hostFolder);

// Copies the deliverables the build made (the tweak library with its filter, the settings
// bundle and its images) into the device root, replacing every file whose contents differ from
// the build's (whatever its time).
void installDeliverables();

// Installs or removes the stand-in for Convergance, another developer's lock-screen tweak, as its
// package would: its library and filter go into the tweaks folder, or leave it. SpringBoard loads
// it at its next start. Throws std::runtime_error saying what failed.
void setConverganceInstalled(bool installed);
bool isConverganceInstalled();
