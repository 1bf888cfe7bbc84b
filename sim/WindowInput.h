#pragma once

#include "platform/ui/TouchDispatcher.h"

union SDL_Event;

// What the person at the simulator window does to the device: the left mouse button is a finger
// (pressed, moved, released; let go when the window loses focus), and Ctrl+Left and Ctrl+Right
// turn the device a quarter turn anticlockwise and clockwise. Mouse positions are expected in
// screen points, as the window's renderer gives them. Main thread only.
class WindowInput {
public:
    // True when the event was the device's (a mouse event or a rotation key) and needs nothing
    // more.
    bool handleEvent(const SDL_Event& event);

private:
    TouchDispatcher finger_;
};
