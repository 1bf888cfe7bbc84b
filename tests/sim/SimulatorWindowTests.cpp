#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/foundation/Clock.h"
#include "platform/foundation/SystemLog.h"
#include "sim/DeviceProfile.h"
#include "sim/DeviceScreen.h"
#include "sim/SampleScene.h"
#include "sim/ScriptRecorder.h"
#include "sim/SimulatorWindow.h"
#include "tests/sim/LeftoverWindows.h"
#include "tests/sim/SampleScenePixels.h"
#include "tests/sim/XvfbDisplay.h"
#include "tests/support/TemporaryDeviceRoot.h"

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
        SimulatorWindow window(screen, {[] { return std::string("phone"); }, WindowZoom::Point, nullptr});
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
    SystemLogCapture log;
    SimulatorWindow window(screen, {[] { return std::string("tablet"); }, WindowZoom::Point, nullptr});
    ASSERT_TRUE(window.runFrame());
    const CGImageRef shown = window.contentsForTesting();
    // The display is 1024 pixels tall: a point a window pixel doesn't fit.
    EXPECT_EQ(shown->width(), 732u) << "scaled down to fit the display";
    EXPECT_EQ(shown->height(), 976u);
    EXPECT_EQ(log.count("the point zoom is too large for the display; the window fits the screen "
                        "to it instead"),
              1u);
    EXPECT_TRUE(Rgb::of(shown->pixelAt(2, 2)).isNear(kBackdropTop, 6));
    EXPECT_TRUE(Rgb::of(shown->pixelAt(729, 973)).isBackdrop()) << "the whole screen, no border";
}

// The screen's colour at (x, y), between pixel centres, as a linear filter takes it.
Rgb filtered(const CGImageRef& screen, double x, double y) {
    const size_t left = static_cast<size_t>(std::max(0.0, x));
    const size_t top = static_cast<size_t>(std::max(0.0, y));
    const size_t right = std::min(left + 1, screen->width() - 1);
    const size_t bottom = std::min(top + 1, screen->height() - 1);
    const double fx = std::clamp(x - left, 0.0, 1.0), fy = std::clamp(y - top, 0.0, 1.0);
    const auto mix = [&](auto channel) {
        const auto at = [&](size_t px, size_t py) {
            return channel(Rgb::of(screen->pixelAt(px, py)));
        };
        return static_cast<int>(
            std::lround((at(left, top) * (1 - fx) + at(right, top) * fx) * (1 - fy) +
                        (at(left, bottom) * (1 - fx) + at(right, bottom) * fx) * fy));
    };
    return {mix([](Rgb c) { return c.r; }), mix([](Rgb c) { return c.g; }),
            mix([](Rgb c) { return c.b; })};
}

void pushEvent(SDL_Event event) {
    SDL_PushEvent(&event);
}

void pushZoomKey(SDL_Keycode key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = KMOD_LCTRL;
    pushEvent(event);
}

void pushClick(int x, int y) {
    SDL_Event event{};
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = x;
    event.button.y = y;
    for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        event.type = type;
        pushEvent(event);
    }
}

// The points the recorded finger came down at.
std::vector<CGPoint> recordedTouches(const std::filesystem::path& record) {
    std::ifstream in(record);
    std::vector<CGPoint> points;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string command;
        CGPoint point;
        if (words >> command >> point.x >> point.y && command == "touch-down")
            points.push_back(point);
    }
    return points;
}

// The same window pixel in every zoom shows the screen's pixel under it, and a click there
// touches the point it shows: (100, 200) on an iPhone 5 at 1, 2 and 2.17 window pixels a point.
void zoomThePhoneWindow() {
    removeLeftoverWindows();
    Clock::setCurrent(std::make_shared<VirtualClock>());
    DeviceProfile::named("iphone5")->apply("7.0.4");
    const auto scene = SampleScene::show();
    DeviceScreen screen;
    std::vector<WindowZoom> picked;
    SimulatorWindow window(
        screen, {[] { return std::string("zoom"); }, WindowZoom::Point, [&](WindowZoom zoom) { picked.push_back(zoom); }});
    const TemporaryDeviceRoot root;
    const std::filesystem::path record = root.path() / "zoom.txt";
    window.record(std::make_shared<ScriptRecorder>(record, ScriptRecorder::Start::Fresh, "replay"));
    const std::pair<SDL_Keycode, size_t> zooms[] = {{SDLK_2, 640}, {SDLK_3, 694}, {SDLK_1, 320}};
    for (const auto& [key, width] : zooms) {
        pushZoomKey(key);
        ASSERT_TRUE(window.runFrame());
        const CGImageRef shown = window.contentsForTesting();
        ASSERT_EQ(shown->width(), width);
        const double factor = width / 320.0;
        EXPECT_EQ(shown->height(), static_cast<size_t>(std::lround(568 * factor)));
        const CGImageRef screenPixels = screen.compositor().snapshot();
        for (size_t y = 10; y < shown->height(); y += 37) {
            for (size_t x = 10; x < width; x += 29) {
                const Rgb expected = filtered(screenPixels, (x + 0.5) * 2 / factor - 0.5,
                                              (y + 0.5) * 2 / factor - 0.5);
                EXPECT_TRUE(Rgb::of(shown->pixelAt(x, y)).isNear(expected, 24))
                    << width << ": " << x << "," << y;
            }
        }
        pushClick(static_cast<int>(std::lround(100 * factor)),
                  static_cast<int>(std::lround(200 * factor)));
        ASSERT_TRUE(window.runFrame());
    }
    EXPECT_EQ(picked,
              (std::vector<WindowZoom>{WindowZoom::Pixel, WindowZoom::Fit, WindowZoom::Point}));

    // The person makes the window 800 by 700: the screen, 394 pixels wide, sits between bars.
    SDL_Window* shownWindow = SDL_GetWindowFromID(1);
    ASSERT_NE(shownWindow, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(shownWindow), "zoom");
    SDL_SetWindowSize(shownWindow, 800, 700);
    for (int frame = 0; frame < 200 && window.contentsForTesting()->width() != 800; ++frame) {
        SDL_Delay(5);  // for the X server's answer
        ASSERT_TRUE(window.runFrame());
    }
    ASSERT_TRUE(window.runFrame());
    const CGImageRef resized = window.contentsForTesting();
    ASSERT_EQ(resized->width(), 800u);
    EXPECT_EQ(Rgb::of(resized->pixelAt(201, 350)).r, 0) << "a bar";
    EXPECT_TRUE(Rgb::of(resized->pixelAt(205, 350)).isBackdrop());
    pushClick(400, 350);
    ASSERT_TRUE(window.runFrame());

    const std::vector<CGPoint> touches = recordedTouches(record);
    ASSERT_EQ(touches.size(), 4u);
    for (size_t zoom = 0; zoom < 3; ++zoom) {
        EXPECT_NEAR(touches[zoom].x, 100, 0.25);
        EXPECT_NEAR(touches[zoom].y, 200, 0.25);
    }
    EXPECT_NEAR(touches[3].x, 160, 0.5);
    EXPECT_NEAR(touches[3].y, 284, 0.5);
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

TEST(SimulatorWindowTest, EachZoomAndAResizeShowTheScreenAndClicksTouchWhatTheyPointAt) {
    XvfbDisplay display("1600x1280x24");
    if (!display.problem().empty()) GTEST_SKIP() << display.problem();
    EXPECT_EXIT(
        {
            XvfbDisplay::limitWindowRun();
            zoomThePhoneWindow();
            exitWithOutcome();
        },
        testing::ExitedWithCode(0), "");
}
