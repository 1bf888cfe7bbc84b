#include "platform/ui/text/UITextEffectsWindow.h"

#include "platform/runtime/Runtime.h"

Class UITextEffectsWindow::classObject() {
    static const Class cls =
        defineClass<UITextEffectsWindow>("UITextEffectsWindow", UIWindow::classObject());
    return cls;
}

std::shared_ptr<UIView> UITextEffectsWindow::hitTest_withEvent(CGPoint point, UIEvent* event) {
    auto hit = UIWindow::hitTest_withEvent(point, event);
    return hit.get() == this ? nullptr : hit;
}
