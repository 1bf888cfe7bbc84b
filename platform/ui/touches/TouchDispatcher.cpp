#include "platform/ui/touches/TouchDispatcher.h"

#include <cmath>
#include <utility>

#include "platform/foundation/Clock.h"
#include "platform/ui/touches/UITouch.h"
#include "platform/ui/touches/detail/GestureEnvironment.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIWindow.h"

namespace {

bool isFinite(CGPoint point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// The frontmost window with a touchable view at the screen point, and that view.
std::pair<std::shared_ptr<UIWindow>, std::shared_ptr<UIView>> hitTest(CGPoint point) {
    const auto windows = UIApplication::sharedApplication().windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        const auto& window = *it;
        if (auto view =
                window->hitTest_withEvent(window->convertPoint_fromView(point, nullptr), nullptr))
            return {window, std::move(view)};
    }
    return {};
}

}  // namespace

TouchDispatcher::~TouchDispatcher() {
    while (!fingers_.empty()) fingerCancelled(fingers_.begin()->first);
}

void TouchDispatcher::fingerDown(CGPoint point, int finger) {
    if (!isFinite(point)) return;
    fingerCancelled(finger);
    const double now = NSDate::now();
    taps_.touchDown(point, now);
    auto [window, view] = hitTest(point);
    if (!view) return;
    auto touch = std::make_shared<UITouch>();
    touch->setView(view);
    touch->setWindow(window);
    touch->setTapCount(taps_.completedTaps() + 1);
    touch->moveTo(point, now);
    fingers_[finger] = {touch, point};
    GestureEnvironment::shared().deliver(touch);
}

void TouchDispatcher::fingerMoved(CGPoint point, int finger) {
    auto it = fingers_.find(finger);
    if (it == fingers_.end() || !isFinite(point) || it->second.point == point) return;
    it->second.point = point;
    const auto touch = it->second.touch;
    taps_.touchMoved(point);
    touch->setPhase(UITouchPhaseMoved);
    touch->moveTo(point, NSDate::now());
    GestureEnvironment::shared().deliver(touch);
}

void TouchDispatcher::fingerUp(CGPoint point, int finger) {
    auto it = fingers_.find(finger);
    if (it == fingers_.end() || !isFinite(point)) return;
    const auto touch = it->second.touch;
    fingers_.erase(it);
    const double now = NSDate::now();
    taps_.touchMoved(point);
    taps_.touchUp(now);
    touch->setPhase(UITouchPhaseEnded);
    touch->moveTo(point, now);
    GestureEnvironment::shared().deliver(touch);
}

void TouchDispatcher::fingerCancelled(int finger) {
    auto it = fingers_.find(finger);
    if (it == fingers_.end()) return;
    const auto [touch, point] = it->second;
    fingers_.erase(it);
    taps_.reset();
    touch->setPhase(UITouchPhaseCancelled);
    touch->moveTo(point, NSDate::now());
    GestureEnvironment::shared().deliver(touch);
}
