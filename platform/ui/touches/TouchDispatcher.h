#pragma once

#include <map>
#include <memory>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/touches/detail/TapSequence.h"

class UITouch;

// Turns fingers on the screen into touches; the simulator's window and scripts call it with
// screen points. A finger that comes down takes the deepest touchable view of the frontmost
// window that has one at that point, and keeps that view until it lifts; quick taps in one place
// count up the touches' tapCount. Timestamps come from NSDate::now(), virtual in headless runs.
// Main thread only.
class TouchDispatcher {
public:
    TouchDispatcher() = default;
    // Cancels the fingers still down.
    ~TouchDispatcher();
    TouchDispatcher(const TouchDispatcher&) = delete;
    TouchDispatcher& operator=(const TouchDispatcher&) = delete;

    // Fingers are told apart by any number. Points that aren't finite are ignored, and so are
    // moves and lifts of a finger that isn't down or that touched no view; a finger that comes
    // down again without having lifted is cancelled first.
    void fingerDown(CGPoint point, int finger = 0);
    void fingerMoved(CGPoint point, int finger = 0);
    void fingerUp(CGPoint point, int finger = 0);
    void fingerCancelled(int finger = 0);

private:
    struct Finger {
        std::shared_ptr<UITouch> touch;
        CGPoint point;
    };

    TapSequence taps_;
    std::map<int, Finger> fingers_;
};
