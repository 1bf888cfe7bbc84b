// Renders the colour picker headless on virtual time in a few states, one PNG each: the wheel at
// rest with its sliders, a finger dragging across it with the loupe up, and the circle mode
// darkened and translucent. picker-gallery OUTPUT_FOLDER
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/layers/Compositor.h"
#include "platform/ui/touches/TouchDispatcher.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "prefs/colorpicker/BrightnessSlider.h"
#include "prefs/colorpicker/ColorPickerView.h"
#include "prefs/colorpicker/OpacitySlider.h"
#include "tests/tools/GallerySupport.h"

namespace {

constexpr CGSize kScreen{320, 480};
constexpr CGFloat kScale = 2;
constexpr CGRect kWheelFrame{{10, 60}, {300, 300}};

struct Picker {
    std::shared_ptr<UIWindow> window;
    std::shared_ptr<ColorPickerView> wheel;
    std::shared_ptr<BrightnessSlider> brightness;
    std::shared_ptr<OpacitySlider> opacity;
    TouchDispatcher finger;
};

struct Look {
    std::string name;
    std::function<void(Picker&)> act;
};

void wait(double seconds) {
    NSRunLoop::mainRunLoop().runUntilDate(NSDate::now() + seconds);
}

CGPoint onScreen(CGPoint inWheel) {
    return {kWheelFrame.origin.x + inWheel.x, kWheelFrame.origin.y + inWheel.y};
}

const std::vector<Look>& looks() {
    static const std::vector<Look> all = {
        {"rest", [](Picker&) {}},
        {"loupe-mid-drag",
         [](Picker& picker) {
             picker.finger.fingerDown(onScreen({230, 120}));
             for (int step = 1; step <= 12; ++step) {
                 wait(1.0 / 60);
                 picker.finger.fingerMoved(onScreen({230 - 4.0 * step, 120 - 3.0 * step}));
             }
             wait(0.3);
         }},
        {"circle", [](Picker& picker) { picker.wheel->setCropToCircle(true); }},
        {"circle-dim-translucent",
         [](Picker& picker) {
             picker.wheel->setCropToCircle(true);
             picker.wheel->setSelection({60, 230});
             picker.wheel->setBrightness(0.6);
             picker.wheel->setOpacity(0.5);
             picker.brightness->setColorPicker(picker.wheel);
             picker.opacity->setColorPicker(picker.wheel);
         }},
    };
    return all;
}

bool render(const Look& look, const std::filesystem::path& folder) {
    Picker picker;
    picker.window = std::make_shared<UIWindow>(CGRect{{0, 0}, kScreen});
    picker.window->setBackgroundColor(UIColor::colorWithWhite_alpha(0.94, 1));
    picker.window->makeKeyAndVisible();
    picker.wheel = std::make_shared<ColorPickerView>(kWheelFrame);
    picker.window->addSubview(picker.wheel);
    picker.brightness = BrightnessSlider::initWithFrame(CGRectMake(10, 380, 300, 30));
    picker.brightness->setColorPicker(picker.wheel);
    picker.window->addSubview(picker.brightness);
    picker.opacity = OpacitySlider::initWithFrame(CGRectMake(10, 430, 300, 30));
    picker.opacity->setColorPicker(picker.wheel);
    picker.window->addSubview(picker.opacity);
    look.act(picker);
    NSRunLoop::mainRunLoop().runOneTurn();

    Compositor compositor(static_cast<size_t>(kScreen.width * kScale),
                          static_cast<size_t>(kScreen.height * kScale), kScale);
    compositor.renderFrame({picker.window->layer()});
    picker.finger.fingerCancelled();
    UIApplication::sharedApplication().removeWindow(picker.window.get());
    return writeGalleryScreen(compositor, folder, look.name, "picker-gallery");
}

}  // namespace

int main(int argc, char** argv) {
    return runGallery(argc, argv, "picker-gallery", kScreen, kScale,
                      [](const std::filesystem::path& folder) {
                          bool allWritten = true;
                          for (const Look& look : looks())
                              allWritten = render(look, folder) && allWritten;
                          return allWritten;
                      });
}
