#include "sim/SimulatorOptions.h"

#include <regex>
#include <stdexcept>

#include "sim/DefaultDeviceRoot.h"

namespace {

// The systems whose lock screens the simulator has: "6", "6.1", "7.0.4" and the like.
bool isSimulatedSystemVersion(const std::string& version) {
    static const std::regex simulated("[67](\\.[0-9]+){0,2}");
    return std::regex_match(version, simulated);
}

}  // namespace

SimulatorOptions SimulatorOptions::parse(const std::vector<std::string>& arguments) {
    SimulatorOptions options;
    options.device = *DeviceProfile::named(kDefaultDevice);
    options.systemVersion = kDefaultSystemVersion;
    options.root = defaultDeviceRoot();
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--headless") {
            options.headless = true;
            continue;
        }
        if (option != "--device" && option != "--ios" && option != "--root" &&
            option != "--script" && option != "--scene" && option != "--convergance" &&
            option != "--resume" && option != "--zoom" && option != "--record" &&
            option != "--record-more") {
            throw std::invalid_argument("unknown option \"" + option + "\"");
        }
        if (i + 1 == arguments.size()) throw std::invalid_argument(option + " needs a value");
        const std::string& value = arguments[++i];
        if (option == "--device") {
            auto device = DeviceProfile::named(value);
            if (!device) {
                throw std::invalid_argument("unknown device \"" + value +
                                            "\" (known: " + DeviceProfile::names() + ")");
            }
            options.device = *device;
        } else if (option == "--ios") {
            if (!isSimulatedSystemVersion(value)) {
                throw std::invalid_argument("iOS \"" + value +
                                            "\" is not simulated (6.x or 7.x, such as 6.1.3)");
            }
            options.systemVersion = value;
        } else if (option == "--scene") {
            if (value != "springboard" && value != "sample" && value != "settings" &&
                value != "notes") {
                throw std::invalid_argument("unknown scene \"" + value +
                                            "\" (known: springboard|sample|settings|notes)");
            }
            options.scene = value == "sample"     ? Scene::Sample
                            : value == "settings" ? Scene::Settings
                            : value == "notes"    ? Scene::Notes
                                                  : Scene::SpringBoard;
        } else if (option == "--root") {
            if (value.empty()) throw std::invalid_argument("--root needs a folder");
            options.root = value;
        } else if (option == "--convergance") {
            if (value != "on" && value != "off")
                throw std::invalid_argument("--convergance takes on or off, not \"" + value + "\"");
            options.convergance = value == "on";
        } else if (option == "--zoom") {
            options.zoom = windowZoomNamed(value);
            if (!options.zoom)
                throw std::invalid_argument("--zoom takes point, pixel or fit, not \"" + value +
                                            "\"");
        } else if (option == "--record" || option == "--record-more") {
            if (value.empty()) throw std::invalid_argument(option + " needs a file");
            options.record = value;
            options.recordAppends = option == "--record-more";
        } else if (option == "--resume") {
            options.resume = value;
            options.headless = true;
        } else {
            options.script = value;
            options.headless = true;
        }
    }
    if (options.record && options.headless)
        throw std::invalid_argument("--record records a window: not with --headless or --script");
    return options;
}

std::string SimulatorOptions::usage() {
    return "usage: plakko-sim [--device " + DeviceProfile::names() +
           "] [--ios VERSION] [--root DIR]\n"
           "                  [--scene springboard|sample|settings|notes] [--headless]\n"
           "                  [--script FILE|-] [--convergance on|off] [--zoom point|pixel|fit]\n"
           "                  [--record FILE]\n";
}

std::string SimulatorOptions::windowTitle(const std::string& appInFront) const {
    const char* sceneName = scene == Scene::Settings ? "Settings"
                            : scene == Scene::Notes  ? "Notes"
                            : scene == Scene::Sample ? "sample scene"
                                                     : "SpringBoard";
    return device.displayName + " — iOS " + systemVersion + " — " +
           (appInFront.empty() ? sceneName : appInFront);
}

std::string SimulatorOptions::replayCommand() const {
    std::string command = "plakko-sim --device " + device.name + " --ios " + systemVersion;
    if (scene == Scene::Settings) command += " --scene settings";
    if (scene == Scene::Notes) command += " --scene notes";
    if (scene == Scene::Sample) command += " --scene sample";
    if (convergance) command += std::string(" --convergance ") + (*convergance ? "on" : "off");
    return command + " --script FILE";
}
