#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/CGGeometry.h"
#include "platform/runtime/NSObject.h"
#include "platform/ui/touches/UITouch.h"

class GestureEnvironment;
class NSTimer;
class UIGestureRecognizerDelegate;
class UIView;

enum UIGestureRecognizerState : int {
    UIGestureRecognizerStatePossible = 0,
    UIGestureRecognizerStateBegan = 1,
    UIGestureRecognizerStateChanged = 2,
    UIGestureRecognizerStateEnded = 3,
    UIGestureRecognizerStateCancelled = 4,
    UIGestureRecognizerStateFailed = 5,
    UIGestureRecognizerStateRecognized = UIGestureRecognizerStateEnded,
};

// Turns the touches of a view and its subviews into one gesture. A discrete recogniser goes from
// Possible to Recognized or Failed; a continuous one from Possible to Began, Changed..., then
// Ended or Cancelled (or Failed before it begins). When the gesture is decided and its fingers
// are up, the recogniser is reset to Possible for the next one.
//
// Ownership: the view it is attached to keeps it; its view, its targets and its delegate are
// weak references. Each action is a selector with the signature void(UIGestureRecognizer*),
// sent to its target through the runtime on every change to Began, Changed, Recognized/Ended or
// Cancelled. Subclasses watch the touches and call setState; the touch delivery decides the
// rest: whether the recogniser may begin, which rivals fail, which touches its view loses.
// Main thread only.
class UIGestureRecognizer : public NSObject {
    RUNTIME_CLASS(UIGestureRecognizer)
    UIGestureRecognizer() = default;
    UIGestureRecognizer(const std::shared_ptr<NSObject>& target, SEL action);
    ~UIGestureRecognizer() override;

    void addTarget_action(const std::shared_ptr<NSObject>& target, SEL action);
    // A null target or action matches every one.
    void removeTarget_action(const NSObject* target, SEL action);

    std::shared_ptr<UIView> view() const { return view_.lock(); }
    UIGestureRecognizerState state() const { return state_; }

    // A disabled recogniser gets no new touches; disabling one in the middle of a gesture
    // cancels (or fails) it.
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Whether the view loses the gesture's touches (touchesCancelled) once it is recognised.
    bool cancelsTouchesInView() const { return cancelsTouchesInView_; }
    void setCancelsTouchesInView(bool cancels) { cancelsTouchesInView_ = cancels; }
    // Whether the view's touchesEnded waits until the recogniser has recognised or failed.
    bool delaysTouchesEnded() const { return delaysTouchesEnded_; }
    void setDelaysTouchesEnded(bool delays) { delaysTouchesEnded_ = delays; }

    std::shared_ptr<UIGestureRecognizerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<UIGestureRecognizerDelegate>& delegate) {
        delegate_ = delegate;
    }

    // Where the gesture's fingers are (their centroid), or where the last of them lifted; a null
    // view means window coordinates.
    CGPoint locationInView(const UIView* view) const;

    // For UIView's addGestureRecognizer and removeGestureRecognizer; leaving a view resets.
    void setView(const std::shared_ptr<UIView>& view);

protected:
    // The touches of the current gesture that moved into this phase. Only called while the
    // gesture is undecided (Possible, Began or Changed).
    virtual void touchesBegan_withEvent(const UITouchSet&, UIEvent*) {}
    virtual void touchesMoved_withEvent(const UITouchSet&, UIEvent*) {}
    virtual void touchesEnded_withEvent(const UITouchSet&, UIEvent*) {}
    // Cancels a gesture that has begun and fails one that has not.
    virtual void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event);
    // Clears what a subclass remembers of the gesture; called when the recogniser goes back to
    // Possible.
    virtual void reset() {}
    // True while the recogniser, between the taps of its own sequence, waits for the next finger:
    // a rival's recognition does not fail it then.
    virtual bool awaitsFurtherTaps() const { return false; }

    // Moves the state machine on. A transition the machine does not have is a broken
    // precondition.
    void setState(UIGestureRecognizerState state);
    bool hasFingersDown() const;
    // Began or Changed.
    bool isActive() const;
    // The gesture's location in screen points.
    CGPoint screenLocation() const { return screenLocation_; }
    // One timer at a time; it is stopped when the state leaves Possible and by a reset.
    void startTimer(double interval, std::function<void()> fire);
    void stopTimer();

private:
    friend class GestureEnvironment;

    struct TargetAction {
        std::weak_ptr<NSObject> target;
        std::string action;
    };

    void receiveTouches(UITouchPhase phase, const UITouchSet& touches, UIEvent* event);
    bool hasTouch(const UITouch* touch) const;
    bool sharesTouchWith(const UIGestureRecognizer& other) const;
    bool isUndecided() const { return state_ <= UIGestureRecognizerStateChanged; }
    void sendActions();
    // Back to Possible with no touches, as if no gesture had started.
    void resetGesture();

    std::weak_ptr<UIView> view_;
    std::vector<TargetAction> targetActions_;
    std::weak_ptr<UIGestureRecognizerDelegate> delegate_;
    UIGestureRecognizerState state_ = UIGestureRecognizerStatePossible;
    bool enabled_ = true;
    bool cancelsTouchesInView_ = true;
    bool delaysTouchesEnded_ = true;
    // Every touch of the current gesture, lifted ones included, until the reset.
    UITouchSet touches_;
    CGPoint screenLocation_{};
    std::shared_ptr<NSTimer> timer_;
};
