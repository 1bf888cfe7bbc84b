#include "sim/DeviceScreen.h"

#include <cmath>

#include "platform/springboard/SBAppSwitcher.h"
#include "platform/springboard/SpringBoard.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"

namespace {

size_t pixels(CGFloat points, CGFloat scale) {
    return static_cast<size_t>(std::lround(points * scale));
}

}  // namespace

DeviceScreen::DeviceScreen()
    : compositor_(
          pixels(UIScreen::mainScreen().bounds().size.width, UIScreen::mainScreen().scale()),
          pixels(UIScreen::mainScreen().bounds().size.height, UIScreen::mainScreen().scale()),
          UIScreen::mainScreen().scale()) {}

bool DeviceScreen::render() {
    if (SpringBoard::shared().isBooted()) SpringBoard::shared().appSwitcher().update();
    std::vector<std::shared_ptr<CALayer>> roots;
    for (const auto& window : UIApplication::sharedApplication().windows()) {
        roots.push_back(window->layer());
    }
    return compositor_.renderFrame(roots);
}
