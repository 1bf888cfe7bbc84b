#include "platform/ui/views/UIControl.h"

#include <algorithm>

#include "platform/runtime/Runtime.h"

Class UIControl::classObject() {
    static const Class cls = defineClass<UIControl>("UIControl", UIView::classObject());
    return cls;
}

void UIControl::addTarget_action_forControlEvents(const std::shared_ptr<NSObject>& target,
                                                  SEL action, unsigned long events) {
    if (action == nullptr) return;
    targetActions_.push_back({target, action, events});
}

void UIControl::removeTarget_action_forControlEvents(const NSObject* target, SEL action,
                                                     unsigned long events) {
    std::erase_if(targetActions_, [&](TargetAction& pair) {
        const bool sameTarget = target == nullptr || pair.target.lock().get() == target;
        const bool sameAction = action == nullptr || pair.action == action;
        if (sameTarget && sameAction) pair.events &= ~events;
        return pair.events == 0;
    });
}

void UIControl::sendActionsForControlEvents(unsigned long events) {
    const auto pairs = targetActions_;  // an action may change the list
    for (const TargetAction& pair : pairs) {
        if (!(pair.events & events)) continue;
        if (auto target = pair.target.lock())
            msgSend<void(UIControl*)>(target.get(), pair.action.c_str(), this);
    }
}

void UIControl::setEnabled(bool enabled) {
    enabled_ = enabled;
}
