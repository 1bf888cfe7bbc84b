#include <gtest/gtest.h>

#include <fstream>

#include "sim/RememberedZoom.h"
#include "sim/SimulatorOptions.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

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
    const auto notes = SimulatorOptions::parse({"--scene", "notes"});
    EXPECT_EQ(notes.windowTitle(), "iPhone 5 — iOS 7.0.4 — Notes");
    EXPECT_EQ(notes.replayCommand(),
              "plakko-sim --device iphone5 --ios 7.0.4 --scene notes --script FILE");
}

}  // namespace
