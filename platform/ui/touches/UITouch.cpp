#include "platform/ui/touches/UITouch.h"

#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIView.h"
#include "platform/ui/views/UIWindow.h"

Class UITouch::classObject() {
    static const Class cls = defineClass<UITouch>("UITouch", NSObject::classObject());
    return cls;
}

Class UIEvent::classObject() {
    static const Class cls = defineClass<UIEvent>("UIEvent", NSObject::classObject());
    return cls;
}

namespace {

// Windows cover the screen from its origin, so a window's coordinates are screen points. A null
// view means the touch's window.
CGPoint screenToView(CGPoint screen, const UIView* view, const UITouch& touch) {
    if (view == nullptr) view = touch.window().get();
    return view != nullptr ? view->convertPoint_fromView(screen, nullptr) : screen;
}

}  // namespace

CGPoint UITouch::locationInView(const UIView* view) const {
    return screenToView(screenLocation_, view, *this);
}

CGPoint UITouch::previousLocationInView(const UIView* view) const {
    return screenToView(previousScreenLocation_, view, *this);
}

void UITouch::moveTo(CGPoint screenPoint, double timestamp) {
    previousScreenLocation_ =
        phase_ == UITouchPhaseBegan && timestamp_ == 0 ? screenPoint : screenLocation_;
    screenLocation_ = screenPoint;
    timestamp_ = timestamp;
}
