#include "sim/DeviceFingers.h"

#include "platform/springboard/SpringBoard.h"

void DeviceFingers::fingerDown(CGPoint point, int finger) {
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
