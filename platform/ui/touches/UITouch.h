#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/CGGeometry.h"
#include "platform/runtime/NSObject.h"

class UIView;
class UIWindow;
class UIGestureRecognizer;

enum UITouchPhase : int {
    UITouchPhaseBegan = 0,
    UITouchPhaseMoved = 1,
    UITouchPhaseStationary = 2,
    UITouchPhaseEnded = 3,
    UITouchPhaseCancelled = 4,
};

// One finger on the screen, from touching down to lifting. It stays with the view it first hit
// and knows where it is in screen points; the window and the view are held weakly.
class UITouch : public NSObject {
    RUNTIME_CLASS(UITouch)
    UITouch() = default;

    CGPoint locationInView(const UIView* view) const;
    CGPoint previousLocationInView(const UIView* view) const;
    UITouchPhase phase() const { return phase_; }
    std::shared_ptr<UIView> view() const { return view_.lock(); }
    std::shared_ptr<UIWindow> window() const { return window_.lock(); }
    // How many quick taps in one place this touch ends (1 for a single tap).
    int tapCount() const { return tapCount_; }
    double timestamp() const { return timestamp_; }

    // For whoever delivers touches: the touch's state as the finger moves.
    void setPhase(UITouchPhase phase) { phase_ = phase; }
    void setView(const std::shared_ptr<UIView>& view) { view_ = view; }
    void setWindow(const std::shared_ptr<UIWindow>& window) { window_ = window; }
    void setTapCount(int count) { tapCount_ = count; }
    void moveTo(CGPoint screenPoint, double timestamp);

private:
    CGPoint screenLocation_{};
    CGPoint previousScreenLocation_{};
    UITouchPhase phase_ = UITouchPhaseBegan;
    std::weak_ptr<UIView> view_;
    std::weak_ptr<UIWindow> window_;
    int tapCount_ = 1;
    double timestamp_ = 0;
};

// The platform's touch sets; anyObject is the first.
using UITouchSet = std::vector<std::shared_ptr<UITouch>>;

// What the touches of one moment belong to.
class UIEvent : public NSObject {
    RUNTIME_CLASS(UIEvent)
    UIEvent() = default;
    explicit UIEvent(UITouchSet touches, double timestamp)
        : touches_(std::move(touches)), timestamp_(timestamp) {}

    const UITouchSet& allTouches() const { return touches_; }
    double timestamp() const { return timestamp_; }

private:
    UITouchSet touches_;
    double timestamp_ = 0;
};
