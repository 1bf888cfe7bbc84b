#include "sim/SimulatorCommand.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/foundation/Clock.h"
#include "platform/springboard/SpringBoard.h"
#include "sim/DeviceRootLayout.h"
#include "sim/DeviceScreen.h"
#include "sim/SampleScene.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"
#include "sim/ScriptRunner.h"
#include "sim/SimulatorOptions.h"
#include "sim/SimulatorWindow.h"
#include "sim/TourScript.h"

namespace {

constexpr char kTourFolder[] = "plakko-tour";
constexpr char kStandardInputName[] = "stdin";

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Why no window can appear, when that is clear without asking SDL. A named video driver is left
// for SDL to try: without a display it would otherwise pick an invisible offscreen one.
std::optional<std::string> missingDisplay() {
    if (isSet("SDL_VIDEODRIVER") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    return "DISPLAY and WAYLAND_DISPLAY are not set";
}

// Starts what the device runs; the sample scene is on screen while the returned object lives.
std::shared_ptr<SampleScene> startScene(SimulatorOptions::Scene scene) {
    if (scene == SimulatorOptions::Scene::Sample) return SampleScene::show();
    installDeliverables();
    SpringBoard::shared().boot();
    return nullptr;
}

// The device on virtual time, driven by `script`; relative file names go to `folder`.
void runHeadless(SimulatorOptions::Scene sceneKind, std::istream& script,
                 const std::string& scriptName, const std::filesystem::path& folder) {
    Clock::setCurrent(std::make_shared<VirtualClock>());
    const auto scene = startScene(sceneKind);
    DeviceScreen screen;
    ScriptContext context{screen, folder};
    runScript(script, scriptName, scriptCommands(), context);
}

void runScriptNamed(SimulatorOptions::Scene scene, const std::string& name, std::istream& in) {
    if (name == "-") {
        runHeadless(scene, in, kStandardInputName, {});
        return;
    }
    std::ifstream file(name);
    if (!file) throw std::runtime_error("can't read the script " + name);
    runHeadless(scene, file, name, {});
}

void runTour(SimulatorOptions::Scene scene, const std::string& why, std::ostream& out) {
    const std::filesystem::path folder = std::filesystem::absolute(kTourFolder);
    out << "plakko-sim: " << why << "; running the built-in tour headless into " << folder.string()
        << "/\n";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw std::runtime_error("can't create " + folder.string() + ": " + error.message());
    std::istringstream script(kTourScript);
    runHeadless(scene, script, "tour", folder);
}

void runInteractive(const SimulatorOptions& options, std::ostream& out) {
    DeviceScreen screen;
    std::unique_ptr<SimulatorWindow> window;
    try {
        window = std::make_unique<SimulatorWindow>(
            screen, "Plakko — " + options.device.displayName + ", iOS " + options.systemVersion);
    } catch (const std::runtime_error& error) {
        runTour(options.scene, std::string("no display available (") + error.what() + ")", out);
        return;
    }
    Clock::setCurrent(std::make_shared<RealClock>());
    const auto scene = startScene(options.scene);
    window->run();
}

void run(const SimulatorOptions& options, std::istream& in, std::ostream& out) {
    prepareDeviceRoot(options.root);
    options.device.apply(options.systemVersion);
    if (options.script) {
        runScriptNamed(options.scene, *options.script, in);
    } else if (options.headless) {
        runTour(options.scene, "no script given", out);
    } else if (auto missing = missingDisplay()) {
        runTour(options.scene, "no display available (" + *missing + ")", out);
    } else {
        runInteractive(options, out);
    }
}

}  // namespace

int runSimulator(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    std::optional<SimulatorOptions> options;
    try {
        options = SimulatorOptions::parse(arguments);
    } catch (const std::invalid_argument& error) {
        err << "plakko-sim: " << error.what() << "\n" << SimulatorOptions::usage();
        return 2;
    }
    try {
        run(*options, in, out);
        return 0;
    } catch (const ScriptError& error) {
        err << error.what() << "\n";
    } catch (const std::runtime_error& error) {
        err << "plakko-sim: " << error.what() << "\n";
    }
    return 1;
}
