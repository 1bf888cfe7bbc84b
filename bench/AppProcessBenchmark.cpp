// What SpringBoard pays for apps in processes of their own, all in one run on an iPhone 5:
// - an icon tap to the app's first frame (plakko-sim's app mode started, the Settings app
//   launched and drawn, its frame copied out of the shared buffer), against starting and
//   waiting for a program that does nothing;
// - one frame in lock-step with an app whose screen didn't change (a request and its answer);
// - one composited frame of the home screen with the app's screen, new each frame, over it,
//   against one without an app where a small view changed.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/UIColor.h"
#include "platform/springboard/SBAppSwitcher.h"
#include "platform/springboard/SBApplication.h"
#include "platform/springboard/SpringBoard.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIWindow.h"
#include "sim/DeviceRootLayout.h"
#include "sim/DeviceScreen.h"
#include "sim/SceneStart.h"
#include "sim/SimulatorOptions.h"

extern char** environ;

namespace {

constexpr CGRect kSettingsIcon{{92, 40}, {60, 60}};

// SpringBoard booted and unlocked on virtual time, in a fresh device root, once per run.
void bootSpringBoard() {
    static const bool booted = [] {
        std::string folder =
            (std::filesystem::temp_directory_path() / "plakko-bench-XXXXXX").string();
        SimulatorOptions options = SimulatorOptions::parse({"--root", ::mkdtemp(folder.data())});
        options.appProgram = PLAKKO_SIM;
        prepareDeviceRoot(options.root);
        options.device.apply(options.systemVersion);
        Clock::setCurrent(std::make_shared<VirtualClock>());
        startScene(options);
        SpringBoard::shared().unlock();
        return true;
    }();
    (void)booted;
}

void letTimePass(double seconds) {
    NSRunLoop::mainRunLoop().runUntilDate(NSDate::now() + seconds);
}

void BM_IconTapToFirstFrame(benchmark::State& state) {
    bootSpringBoard();
    SBAppSwitcher& apps = SpringBoard::shared().appSwitcher();
    for (auto _ : state) {
        apps.open("Settings", kSettingsIcon);
        state.PauseTiming();
        if (!apps.frontApplication() || !apps.frontApplication()->frame()) {
            state.SkipWithError("the Settings app didn't open");
        }
        apps.endApplications();
        state.ResumeTiming();
    }
}

void BM_ProcessStartBaseline(benchmark::State& state) {
    char program[] = "/bin/true";
    char* argv[] = {program, nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        posix_spawn(&pid, program, nullptr, nullptr, argv, environ);
        int status = 0;
        waitpid(pid, &status, 0);
    }
}

void BM_LockStepFrameWithUnchangedApp(benchmark::State& state) {
    bootSpringBoard();
    SBAppSwitcher& apps = SpringBoard::shared().appSwitcher();
    apps.open("Settings", kSettingsIcon);
    letTimePass(1);
    DeviceScreen screen;
    screen.render();
    for (auto _ : state) {
        Clock::current().advanceTo(NSDate::now() + 1.0 / 60);
        apps.update();
    }
    apps.endApplications();
}

// The home screen and a small view that changes colour each frame, with the Settings app's
// screen, a new image each frame, over them when `withApp`.
void compositeFrames(benchmark::State& state, bool withApp) {
    bootSpringBoard();
    SBAppSwitcher& apps = SpringBoard::shared().appSwitcher();
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 568));
    auto blink = std::make_shared<UIView>(CGRectMake(10, 500, 20, 20));
    window->addSubview(blink);
    window->makeKeyAndVisible();
    CGImageRef appFrame;
    if (withApp) {
        apps.open("Settings", kSettingsIcon);
        letTimePass(1);
        appFrame = apps.frontApplication()->frame();
    }
    DeviceScreen screen;
    std::shared_ptr<CALayer> appLayer;
    for (const auto& shown : UIApplication::sharedApplication().windows()) {
        if (withApp && !shown->subviews().empty() && shown->windowLevel() == 1) {
            appLayer = shown->subviews().front()->layer();
        }
    }
    bool on = false;
    for (auto _ : state) {
        on = !on;
        blink->setBackgroundColor(on ? UIColor::whiteColor() : UIColor::blackColor());
        if (appLayer) {
            // As a changed frame arrives: the shared buffer's pixels copied into a new image.
            const auto pixels = appFrame->pixels();
            CGImage::Pixels copy(pixels.begin(), pixels.end());
            appLayer->setContents(std::make_shared<const CGImage>(
                appFrame->width(), appFrame->height(), std::move(copy), true));
        }
        NSRunLoop::mainRunLoop().runOneTurn();
        benchmark::DoNotOptimize(screen.render());
    }
    apps.endApplications();
    UIApplication::sharedApplication().removeWindow(window.get());
}

void BM_CompositeFrameWithAppScreen(benchmark::State& state) {
    compositeFrames(state, true);
}

void BM_CompositeFrameWithoutAppBaseline(benchmark::State& state) {
    compositeFrames(state, false);
}

}  // namespace

BENCHMARK(BM_IconTapToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ProcessStartBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LockStepFrameWithUnchangedApp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompositeFrameWithAppScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompositeFrameWithoutAppBaseline)->Unit(benchmark::kMillisecond);
