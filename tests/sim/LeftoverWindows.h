#pragma once

#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIWindow.h"

// Takes every window off the screen. A simulator process starts with none; tests that run the
// simulator in-process start from there, whatever earlier tests left on screen.
inline void removeLeftoverWindows() {
    UIApplication& application = UIApplication::sharedApplication();
    for (const auto& window : application.windows()) application.removeWindow(window.get());
}
