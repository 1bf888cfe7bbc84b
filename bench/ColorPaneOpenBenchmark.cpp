// Opening the note colour pane on a 2× iPhone 5 screen, to its first frame (the pane's table,
// the wheel cell with its 600-pixel wheel, the preview, the whole screen composited): cold, with
// the process's wheel cache emptied first so the wheel is rendered on the way, against warm, with
// the wheel already in the cache. The wheel renders on the cache's own thread while the main
// thread waits, so the figure to read is the real time.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "common/SettingsKeys.h"
#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/NSNotificationCenter.h"
#include "platform/ui/layers/Compositor.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "prefs/PlakkoColorController.h"
#include "prefs/PlakkoColorPickerCell.h"
#include "prefs/selectedColorCell_plakko.h"

namespace {

constexpr CGSize kScreen{320, 568};
constexpr CGFloat kScale = 2;
constexpr char kBundle[] = "/Library/PreferenceBundles/Plakko.bundle";

// A device of its own holding the pane's list and a saved colour, the pane's cells known by name.
class PaneDevice {
public:
    PaneDevice() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pane-bench-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        DeviceRoot::setPath(root_);
        const auto bundle = DeviceRoot::resolve(kBundle);
        std::filesystem::create_directories(bundle);
        std::filesystem::copy_file(std::string(BUILT_BUNDLE) + "/PlakkoColorController.plist",
                                   bundle / "PlakkoColorController.plist");
        for (const char* key : {Settings::Key::redPlakko, Settings::Key::greenPlakko,
                                Settings::Key::bluePlakko, Settings::Key::alphaFPlakko})
            CFPreferencesSetValue(key, PlistValue::float32(0.5f), Settings::kDomain,
                                  kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
        CFPreferencesAppSynchronize(Settings::kDomain);
        PlakkoColorPickerCell::classObject();
        selectedColorCell_plakko::classObject();
        UIScreen::mainScreen().configure(kScreen, kScale);
    }
    ~PaneDevice() {
        std::error_code error;
        std::filesystem::remove_all(root_, error);
    }

private:
    std::filesystem::path root_;
};

// Opens a fresh pane in the window and draws the screen; the pane goes again afterwards.
void openPanes(benchmark::State& state, bool emptyWheelCache) {
    static PaneDevice device;
    auto window = std::make_shared<UIWindow>(CGRect{{0, 0}, kScreen});
    window->makeKeyAndVisible();
    Compositor compositor(static_cast<size_t>(kScreen.width * kScale),
                          static_cast<size_t>(kScreen.height * kScale), kScale);
    for (auto _ : state) {
        if (emptyWheelCache) {
            state.PauseTiming();
            NSNotificationCenter::defaultCenter().postNotificationName(
                std::string(kMemoryPressureNotification));
            state.ResumeTiming();
        }
        auto pane = std::make_shared<PlakkoColorController>();
        pane->setBundlePath(kBundle);
        window->setRootViewController(pane);
        compositor.renderFrame({window->layer()});
        window->setRootViewController(nullptr);
    }
}

void BM_OpenColorPaneCold(benchmark::State& state) {
    openPanes(state, true);
}

void BM_OpenColorPaneWarm(benchmark::State& state) {
    openPanes(state, false);
}

}  // namespace

BENCHMARK(BM_OpenColorPaneCold)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenColorPaneWarm)->UseRealTime()->Unit(benchmark::kMillisecond);
