#include "sim/SceneStart.h"

#include <stdexcept>

#include "platform/foundation/DeviceRoot.h"
#include "platform/springboard/SBAppSwitcher.h"
#include "platform/springboard/SpringBoard.h"
#include "sim/DeviceRootLayout.h"
#include "sim/NotesScene.h"
#include "sim/SampleScene.h"
#include "sim/SettingsScene.h"
#include "sim/SimulatorOptions.h"

namespace {

// The scene each of the device's apps runs in its own process.
std::optional<std::string> appScene(const std::string& app) {
    if (app == "Settings") return "settings";
    if (app == "Notes") return "notes";
    return std::nullopt;
}

// plakko-sim app --scene SCENE with the device's profile, system and root.
SBAppSwitcher::AppCommand appCommand(const SimulatorOptions& options,
                                     const std::filesystem::path& program) {
    return [options, program](const std::string& app) -> std::vector<std::string> {
        const auto scene = appScene(app);
        if (!scene) return {};
        if (program.empty()) throw std::runtime_error("apps open only in plakko-sim's own process");
        return {program.string(), "app",
                "--scene",        *scene,
                "--device",       options.device.name,
                "--ios",          options.systemVersion,
                "--root",         DeviceRoot::path().string()};
    };
}

}  // namespace

bool isAppScene(SimulatorOptions::Scene scene) {
    return scene == SimulatorOptions::Scene::Settings || scene == SimulatorOptions::Scene::Notes;
}

void launchApp(const SimulatorOptions& options) {
    if (options.scene == SimulatorOptions::Scene::Settings) {
        launchSettingsApp(options);
    } else {
        launchNotesApp();
    }
}

std::shared_ptr<SampleScene> startScene(const SimulatorOptions& options) {
    if (options.scene == SimulatorOptions::Scene::Sample) return SampleScene::show();
    installDeliverables();
    if (isAppScene(options.scene)) {
        launchApp(options);
        return nullptr;
    }
    if (options.convergance) setConverganceInstalled(*options.convergance);
    SpringBoard::shared().boot();
    SpringBoard::shared().appSwitcher().setAppCommand(appCommand(options, options.appProgram));
    return nullptr;
}
