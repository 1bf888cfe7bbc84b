#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sim/DeviceProfile.h"

// How plakko-sim runs the simulated device, from its command line:
//   [--device NAME] [--ios VERSION] [--root DIR] [--headless] [--script FILE|-]
// A script implies headless; "-" reads it from standard input.
struct SimulatorOptions {
    static constexpr char kDefaultDevice[] = "iphone5";
    static constexpr char kDefaultSystemVersion[] = "7.0.4";

    DeviceProfile device;
    std::string systemVersion;
    std::filesystem::path root;
    bool headless = false;
    std::optional<std::string> script;

    // Throws std::invalid_argument with a one-line reason.
    static SimulatorOptions parse(const std::vector<std::string>& arguments);
    static std::string usage();
};
