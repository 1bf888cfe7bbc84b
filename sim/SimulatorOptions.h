#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sim/DeviceProfile.h"
#include "sim/WindowZoom.h"

// How plakko-sim runs the simulated device, from its command line:
//   [--device NAME] [--ios VERSION] [--root DIR] [--scene springboard|sample|settings|notes]
//   [--headless]
//   [--script FILE|-] [--convergance on|off] [--zoom point|pixel|fit] [--record FILE]
// A script implies headless; "-" reads it from standard input. The scene is what the device
// runs: SpringBoard with the installed tweaks (the default), a sample scene of views, the
// Settings app with the installed settings bundles (what the settings command runs), or the
// Notes app.
// --convergance installs or removes the other lock-screen tweak before SpringBoard starts.
// --zoom is the window's (remembered per device model when not given); --record writes what
// the person does in the window as a script (a window run only). --resume FILE and
// --record-more FILE are how a respring goes on with a headless script or a record in the
// restarted process.
struct SimulatorOptions {
    enum class Scene { SpringBoard, Sample, Settings, Notes };

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
    std::optional<WindowZoom> zoom;
    std::optional<std::filesystem::path> record;
    // The record goes on from the process before a respring.
    bool recordAppends = false;
    // Not from the command line: the program SpringBoard starts its apps' processes from
    // (plakko-sim), empty when there is none.
    std::filesystem::path appProgram;

    // Throws std::invalid_argument with a one-line reason.
    static SimulatorOptions parse(const std::vector<std::string>& arguments);
    static std::string usage();

    // "iPhone 5 — iOS 7.0.4 — SpringBoard": the device, the system and the app in front (the
    // scene when `appInFront` is empty).
    std::string windowTitle(const std::string& appInFront = {}) const;
    // The plakko-sim command line that runs a script on the same device and scene as these
    // options, the script being FILE.
    std::string replayCommand() const;
};
