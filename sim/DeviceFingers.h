#pragma once

#include <set>

#include "platform/ui/touches/TouchDispatcher.h"

// Fingers on the device's screen, as the window's mouse and the scripts move them. Every touch is
// user activity for SpringBoard's backlight; a finger that comes down on a dark screen only wakes
// it, as on the device, and goes no further until it lifts. A finger that comes down or moves
// meets the views laid out, as a frame would show them. Main thread only.
class DeviceFingers {
public:
    void fingerDown(CGPoint point, int finger = 0);
    void fingerMoved(CGPoint point, int finger = 0);
    void fingerUp(CGPoint point, int finger = 0);
    void fingerCancelled(int finger = 0);

private:
    TouchDispatcher dispatcher_;
    // Fingers that woke the screen, until they lift.
    std::set<int> waking_;
};
