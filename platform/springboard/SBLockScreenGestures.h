#pragma once

#include <memory>

#include "platform/runtime/NSObject.h"
#include "platform/ui/touches/UIGestureRecognizerDelegate.h"

class SBLockScreenView;
class UIGestureRecognizer;

// Bounces the lock screen's content when the user taps it (`_handleTapGesture:`).
class SBLockScreenBounceAnimator : public NSObject, public UIGestureRecognizerDelegate {
    RUNTIME_CLASS(SBLockScreenBounceAnimator)
    SBLockScreenBounceAnimator() = default;
    // Attaches its tap recogniser to the lock screen view.
    void attachToLockScreenView(const std::shared_ptr<SBLockScreenView>& view);
    virtual void _handleTapGesture(UIGestureRecognizer* recognizer);
    bool gestureRecognizer_shouldReceiveTouch(UIGestureRecognizer* recognizer,
                                              UITouch* touch) override;

private:
    std::weak_ptr<SBLockScreenView> view_;
};

// Shows the lock screen's hints: a press (`_handlePress:`) or a tap (`_handleTap:`) on its
// content.
class SBLockScreenHintManager : public NSObject, public UIGestureRecognizerDelegate {
    RUNTIME_CLASS(SBLockScreenHintManager)
    SBLockScreenHintManager() = default;
    void attachToLockScreenView(const std::shared_ptr<SBLockScreenView>& view);
    virtual void _handlePress(UIGestureRecognizer* recognizer);
    virtual void _handleTap(UIGestureRecognizer* recognizer);
    bool gestureRecognizer_shouldReceiveTouch(UIGestureRecognizer* recognizer,
                                              UITouch* touch) override;
    bool gestureRecognizer_shouldRecognizeSimultaneouslyWithGestureRecognizer(
        UIGestureRecognizer*, UIGestureRecognizer*) override {
        return true;
    }

private:
    std::weak_ptr<SBLockScreenView> view_;
};
