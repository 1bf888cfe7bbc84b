#include "sim/DeviceScreen.h"

#include "platform/springboard/SBAppSwitcher.h"
#include "platform/springboard/SpringBoard.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"

DeviceScreen::DeviceScreen()
    : compositor_(UIScreen::mainScreen().pixelWidth(), UIScreen::mainScreen().pixelHeight(),
                  UIScreen::mainScreen().scale()) {}

bool DeviceScreen::render() {
    if (SpringBoard::shared().isBooted()) SpringBoard::shared().appSwitcher().update();
    std::vector<std::shared_ptr<CALayer>> roots;
    for (const auto& window : UIApplication::sharedApplication().windows()) {
        roots.push_back(window->layer());
    }
    return compositor_.renderFrame(roots);
}
