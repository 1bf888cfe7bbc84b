#pragma once

#include <memory>
#include <utility>

#include "sim/DeviceFingers.h"

class ScreenPlacement;
class ScriptRecorder;
union SDL_Event;

// What the person at the simulator window does to the device: the left mouse button is a finger
// (pressed, moved, released; let go when the window loses focus); Ctrl+Left and Ctrl+Right turn
// the device a quarter turn anticlockwise and clockwise; Ctrl+L locks it, Ctrl+U unlocks it,
// Ctrl+H presses the home button,
// Ctrl+R resprings, Ctrl+K installs or removes the Convergance stand-in (loaded at the next
// respring). Mouse positions are window pixels, taken to screen points by where the window shows
// the screen. What reaches the device is told to the recorder, when there is one. Main thread
// only.
class WindowInput {
public:
    // True when the event was the device's (a mouse event or one of its keys) and needs nothing
    // more.
    bool handleEvent(const SDL_Event& event, const ScreenPlacement& placement);
    // From now on what reaches the device is told to `recorder`.
    void record(std::shared_ptr<ScriptRecorder> recorder) { recorder_ = std::move(recorder); }
    // Ctrl+R was pressed: the window is to close and the process to start again.
    bool respringRequested() const { return respringRequested_; }

private:
    // True for one of the device's Ctrl keys.
    bool handleDeviceKey(int key);
    void toggleConvergance();

    DeviceFingers finger_;
    std::shared_ptr<ScriptRecorder> recorder_;
    bool respringRequested_ = false;
};
