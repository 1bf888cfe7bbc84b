#pragma once

#include "platform/ui/touches/UIGestureRecognizer.h"
#include "platform/ui/touches/detail/TapSequence.h"

// Recognises a finger held still: after numberOfTapsRequired quick taps (0 by default), a touch
// that stays within allowableMovement for minimumPressDuration seconds. A continuous gesture: it
// begins when the duration is up, changes as the finger moves (any distance, from then on) and
// ends when it lifts.
class UILongPressGestureRecognizer : public UIGestureRecognizer {
    RUNTIME_CLASS(UILongPressGestureRecognizer)
    using UIGestureRecognizer::UIGestureRecognizer;

    double minimumPressDuration() const { return minimumPressDuration_; }
    void setMinimumPressDuration(double seconds);
    int numberOfTapsRequired() const { return numberOfTapsRequired_; }
    void setNumberOfTapsRequired(int taps);
    CGFloat allowableMovement() const { return allowableMovement_; }
    void setAllowableMovement(CGFloat points);

protected:
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void reset() override;
    bool awaitsFurtherTaps() const override;

private:
    TapSequence taps_;
    // Set once the taps are done and the finger that has to hold is down.
    bool pressing_ = false;
    CGPoint pressOrigin_{};
    double minimumPressDuration_ = 0.5;
    int numberOfTapsRequired_ = 0;
    CGFloat allowableMovement_ = 10;
};
