#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sim/DeviceProfile.h"

// How plakko-sim runs the simulated device, from its command line:
//   [--device NAME] [--ios VERSION] [--root DIR] [--scene springboard|sample] [--headless]
//   [--script FILE|-] [--convergance on|off]
// A script implies headless; "-" reads it from standard input. The scene is what the device
// runs: SpringBoard with the installed tweaks (the default), a sample scene of views, or the
// Settings app with the installed settings bundles (what the settings command runs).
// --convergance installs or removes the other lock-screen tweak before SpringBoard starts.
// --resume FILE is how a respring goes on with a headless script in the restarted process.
struct SimulatorOptions {
    enum class Scene { SpringBoard, Sample, Settings };

    static constexpr char kDefaultDevice[] = "iphone5";
    static constexpr char kDefaultSystemVersion[] = "7.0.4";

    DeviceProfile device;
    std::string systemVersion;
    std::filesystem::path root;
    Scene scene = Scene::SpringBoard;
    bool headless = false;
    std::optional<std::string> script;
    std::optional<bool> convergance;
    std::optional<std::filesystem::path> resume;

    // Throws std::invalid_argument with a one-line reason.
    static SimulatorOptions parse(const std::vector<std::string>& arguments);
    static std::string usage();
};
