#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/views/UIView.h"

// The platform's control events (a mask).
enum UIControlEvents : unsigned long {
    UIControlEventTouchDown = 1 << 0,
    UIControlEventTouchDragInside = 1 << 2,
    UIControlEventTouchUpInside = 1 << 6,
    UIControlEventTouchUpOutside = 1 << 7,
    UIControlEventTouchCancel = 1 << 8,
    UIControlEventValueChanged = 1 << 12,
    UIControlEventEditingDidBegin = 1 << 16,
    UIControlEventEditingChanged = 1 << 17,
    UIControlEventEditingDidEnd = 1 << 18,
};

// A view that reports what the user does to it through target-action pairs: for each event of
// a pair's mask, the target (not owned) is sent the action, a selector with the signature
// void(UIControl* sender), through the runtime.
class UIControl : public UIView {
    RUNTIME_CLASS(UIControl)
    using UIView::UIView;

    void addTarget_action_forControlEvents(const std::shared_ptr<NSObject>& target, SEL action,
                                           unsigned long events);
    void removeTarget_action_forControlEvents(const NSObject* target, SEL action,
                                              unsigned long events);
    void sendActionsForControlEvents(unsigned long events);

    // A disabled control ignores what the user does to it.
    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);

private:
    struct TargetAction {
        std::weak_ptr<NSObject> target;
        std::string action;
        unsigned long events;
    };
    std::vector<TargetAction> targetActions_;
    bool enabled_ = true;
};
