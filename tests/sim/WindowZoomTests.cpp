#include <gtest/gtest.h>

#include <fstream>

#include "sim/RememberedZoom.h"
#include "sim/ScreenPlacement.h"
#include "sim/SimulatorOptions.h"
#include "sim/WindowZoom.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

TEST(WindowZoomTest, EachZoomSizesTheScreenAndFallsBackToFittingWhenTooLarge) {
    const CGSize phone{320, 568};
    const CGSize display{1264, 976};
    EXPECT_EQ(zoomFactor(WindowZoom::Point, phone, 2, display).windowPixelsPerPoint, 1);
    const ZoomFactor pixel = zoomFactor(WindowZoom::Pixel, phone, 2, {1584, 1232});
    EXPECT_EQ(pixel.windowPixelsPerPoint, 2);
    EXPECT_TRUE(pixel.asAsked);
    const ZoomFactor tooTall = zoomFactor(WindowZoom::Pixel, phone, 2, display);
    EXPECT_FALSE(tooTall.asAsked);
    EXPECT_DOUBLE_EQ(tooTall.windowPixelsPerPoint, 976.0 / 568);
    EXPECT_DOUBLE_EQ(zoomFactor(WindowZoom::Fit, phone, 2, display).windowPixelsPerPoint,
                     976.0 / 568)
        << "fitting makes a small screen larger too";
    const ZoomFactor tablet = zoomFactor(WindowZoom::Point, {768, 1024}, 2, display);
    EXPECT_FALSE(tablet.asAsked);
    EXPECT_DOUBLE_EQ(tablet.windowPixelsPerPoint, 976.0 / 1024);

    for (const WindowZoom zoom : {WindowZoom::Point, WindowZoom::Pixel, WindowZoom::Fit})
        EXPECT_EQ(windowZoomNamed(windowZoomName(zoom)), zoom);
    EXPECT_EQ(windowZoomNamed("Pixel"), std::nullopt);
}

TEST(WindowZoomTest, TheScreenIsCentredBetweenBarsAndPointsFollowIt) {
    const ScreenPlacement pixel({320, 568}, 640, 1136);
    EXPECT_EQ(pixel.pointAt(201, 401), CGPointMake(100.5, 200.5));
    ScreenPlacement resized({320, 568}, 640, 1136);
    resized.setWindowSize(400, 1136);  // narrower: bars above and below
    const ScreenPlacement::PixelRect& rect = resized.screenRect();
    EXPECT_EQ(rect.x, 0);
    EXPECT_EQ(rect.width, 400);
    EXPECT_EQ(rect.height, 710);
    EXPECT_EQ(rect.y, (1136 - 710) / 2);
    EXPECT_EQ(resized.pointAt(125, rect.y + 250), CGPointMake(100, 200));
    EXPECT_LT(resized.pointAt(10, 5).y, 0) << "the bar above is off the screen";
    const ScreenPlacement fit({320, 568}, 550, 976);
    EXPECT_EQ(fit.pointAt(101, 333), CGPointMake(58.76, 193.8)) << "to a hundredth of a point";
}

TEST(WindowZoomTest, TheLastZoomIsRememberedForEachDeviceModel) {
    TemporaryDeviceRoot root;
    EXPECT_EQ(rememberedZoom("iphone5"), std::nullopt);
    rememberZoom("iphone5", WindowZoom::Pixel);
    rememberZoom("ipad", WindowZoom::Fit);
    rememberZoom("iphone5", WindowZoom::Fit);
    rememberZoom("iphone5", WindowZoom::Point);
    EXPECT_EQ(rememberedZoom("iphone5"), WindowZoom::Point);
    EXPECT_EQ(rememberedZoom("ipad"), WindowZoom::Fit);
    EXPECT_EQ(rememberedZoom("iphone4s"), std::nullopt);

    std::ofstream(root / "/SimulatorWindow.plist") << "<plist><dict><key>Zoom</key><dict><key>"
                                                      "ipad</key><string>huge</string>";
    EXPECT_EQ(rememberedZoom("ipad"), std::nullopt) << "a broken file remembers nothing";
    rememberZoom("ipad", WindowZoom::Pixel);
    EXPECT_EQ(rememberedZoom("ipad"), WindowZoom::Pixel);
}

TEST(WindowZoomTest, TheTitleSaysTheDeviceTheSystemAndTheAppInFront) {
    EXPECT_EQ(SimulatorOptions::parse({}).windowTitle(), "iPhone 5 — iOS 7.0.4 — SpringBoard");
    EXPECT_EQ(SimulatorOptions::parse({"--device", "ipad", "--ios", "6.1.3", "--scene", "settings"})
                  .windowTitle(),
              "iPad — iOS 6.1.3 — Settings");
    EXPECT_EQ(
        SimulatorOptions::parse({"--device", "iphone4s", "--convergance", "on"}).replayCommand(),
        "plakko-sim --device iphone4s --ios 7.0.4 --convergance on --script FILE");
}

}  // namespace
