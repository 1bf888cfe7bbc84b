#pragma once

#include "platform/ui/layers/Compositor.h"

// The device's screen as the compositor draws it: the application's windows, back to front, at
// the main screen's size and scale (taken when the screen is made), with the latest frame of
// SpringBoard's app in front. Main thread only.
class DeviceScreen {
public:
    DeviceScreen();

    // Draws the windows as they are now; false when the picture is the same as last time.
    bool render();
    const Compositor& compositor() const { return compositor_; }

private:
    Compositor compositor_;
};
