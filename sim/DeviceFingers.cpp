#include "sim/DeviceFingers.h"

#include "platform/springboard/SpringBoard.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIWindow.h"

namespace {

// On the device, layout is done by the end of each turn of the run loop, before a finger can
// land; here it waits for the next frame, which a headless script may not draw before it touches.
// A finger meets the views where a frame would show them.
void layOutWindows() {
    for (const auto& window : UIApplication::sharedApplication().windows())
        window->layer()->layoutIfNeeded();
}

}  // namespace

void DeviceFingers::fingerDown(CGPoint point, int finger) {
    layOutWindows();
    waking_.erase(finger);
    if (SpringBoard::shared().userActivity()) {
        dispatcher_.fingerDown(point, finger);  // which lets go of the finger first if still down
    } else {
        dispatcher_.fingerCancelled(finger);
        waking_.insert(finger);
    }
}

void DeviceFingers::fingerMoved(CGPoint point, int finger) {
    if (waking_.contains(finger)) return;
    layOutWindows();
    SpringBoard::shared().userActivity();
    dispatcher_.fingerMoved(point, finger);
}

void DeviceFingers::fingerUp(CGPoint point, int finger) {
    if (waking_.erase(finger) != 0) return;
    SpringBoard::shared().userActivity();
    dispatcher_.fingerUp(point, finger);
}

void DeviceFingers::fingerCancelled(int finger) {
    waking_.erase(finger);
    dispatcher_.fingerCancelled(finger);
}
