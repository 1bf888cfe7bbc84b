#include "platform/ui/touches/UIResponder.h"

#include "platform/runtime/Runtime.h"

namespace {
std::weak_ptr<UIResponder> firstResponder;
}

Class UIResponder::classObject() {
    static const Class cls = defineClass<UIResponder>("UIResponder", NSObject::classObject());
    return cls;
}

void UIResponder::touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) {
    if (auto next = nextResponder()) next->touchesBegan_withEvent(touches, event);
}

void UIResponder::touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) {
    if (auto next = nextResponder()) next->touchesMoved_withEvent(touches, event);
}

void UIResponder::touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) {
    if (auto next = nextResponder()) next->touchesEnded_withEvent(touches, event);
}

void UIResponder::touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) {
    if (auto next = nextResponder()) next->touchesCancelled_withEvent(touches, event);
}

bool UIResponder::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!canBecomeFirstResponder()) return false;
    if (auto current = firstResponder.lock(); current && !current->resignFirstResponder())
        return false;
    firstResponder = std::static_pointer_cast<UIResponder>(shared_from_this());
    return true;
}

bool UIResponder::resignFirstResponder() {
    if (!canResignFirstResponder()) return false;
    if (isFirstResponder()) firstResponder.reset();
    return true;
}

bool UIResponder::isFirstResponder() const {
    return firstResponder.lock().get() == this;
}

std::shared_ptr<UIResponder> UIResponder::currentFirstResponder() {
    return firstResponder.lock();
}
