#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/foundation/Clock.h"
#include "sim/DeviceProfile.h"
#include "sim/DeviceScreen.h"
#include "sim/SampleScene.h"
#include "sim/SimulatorWindow.h"
#include "tests/sim/LeftoverWindows.h"
#include "tests/sim/SampleScenePixels.h"
#include "tests/sim/XvfbDisplay.h"

namespace {

// The average of the 2×2 block of screen pixels under one window pixel.
Rgb blockAverage(const CGImageRef& screen, size_t x, size_t y) {
    int r = 0, g = 0, b = 0;
    for (size_t dy = 0; dy < 2; ++dy) {
        for (size_t dx = 0; dx < 2; ++dx) {
            const Rgb pixel = Rgb::of(screen->pixelAt(2 * x + dx, 2 * y + dy));
            r += pixel.r, g += pixel.g, b += pixel.b;
        }
    }
    return {r / 4, g / 4, b / 4};
}

void showPhoneAndTabletWindows() {
    removeLeftoverWindows();
    Clock::setCurrent(std::make_shared<VirtualClock>());

    DeviceProfile::named("iphone4s")->apply("7.0.4");
    {
        const auto scene = SampleScene::show();
        DeviceScreen screen;
        SimulatorWindow window(screen, "phone");
        for (int frame = 0; frame < 3; ++frame) ASSERT_TRUE(window.runFrame());
        const CGImageRef shown = window.contentsForTesting();
        ASSERT_EQ(shown->width(), 320u) << "one window pixel per point";
        ASSERT_EQ(shown->height(), 480u);
        const CGImageRef screenPixels = screen.compositor().snapshot();
        int panelPixels = 0, backdropPixels = 0;
        for (size_t y = 4; y < 480; y += 8) {
            for (size_t x = 4; x < 320; x += 8) {
                const Rgb pixel = Rgb::of(shown->pixelAt(x, y));
                EXPECT_TRUE(pixel.isNear(blockAverage(screenPixels, x, y), 24)) << x << "," << y;
                panelPixels += pixel.isPanel();
                backdropPixels += pixel.isBackdrop();
            }
        }
        EXPECT_GT(panelPixels, 100) << "the screen's colours reach the window unswapped";
        EXPECT_GT(backdropPixels, 1000);
    }

    DeviceProfile::named("ipad")->apply("7.0.4");
    const auto scene = SampleScene::show();
    DeviceScreen screen;
    SimulatorWindow window(screen, "tablet");
    ASSERT_TRUE(window.runFrame());
    const CGImageRef shown = window.contentsForTesting();
    EXPECT_EQ(shown->width(), 675u) << "scaled down to fit a 1080-line display";
    EXPECT_EQ(shown->height(), 900u);
    EXPECT_TRUE(Rgb::of(shown->pixelAt(2, 2)).isNear(kBackdropTop, 6));
    EXPECT_TRUE(Rgb::of(shown->pixelAt(672, 897)).isBackdrop()) << "the whole screen, no border";
}

// Ends the child process with the outcome of its checks, their failures on standard error for
// the parent's report.
[[noreturn]] void exitWithOutcome() {
    const testing::TestResult& result =
        *testing::UnitTest::GetInstance()->current_test_info()->result();
    for (int i = 0; i < result.total_part_count(); ++i) {
        const testing::TestPartResult& part = result.GetTestPartResult(i);
        if (part.failed()) {
            std::fprintf(stderr, "%s:%d: %s\n", part.file_name(), part.line_number(),
                         part.summary());
        }
    }
    std::_Exit(result.Failed() ? 1 : 0);
}

}  // namespace

// SDL's X11 and D-Bus layers keep allocations until the process ends (input-method modules they
// unload, the bus connection), which a sanitizer build's leak check would report. So the windows
// run in a child process that ends without that check, its own checks deciding its exit status.
TEST(SimulatorWindowTest, TheWindowShowsTheScreenAtAReadableSize) {
    XvfbDisplay display;
    if (!display.problem().empty()) GTEST_SKIP() << display.problem();
    EXPECT_EXIT(
        {
            XvfbDisplay::limitWindowRun();
            showPhoneAndTabletWindows();
            exitWithOutcome();
        },
        testing::ExitedWithCode(0), "");
}
