#pragma once

#include "platform/ui/touches/UIGestureRecognizer.h"
#include "platform/ui/touches/detail/TapSequence.h"

// Recognises quick taps in one place: numberOfTapsRequired of them, each lifting before the
// finger strays 10 points, each next one within 0.35 seconds. A discrete gesture.
class UITapGestureRecognizer : public UIGestureRecognizer {
    RUNTIME_CLASS(UITapGestureRecognizer)
    using UIGestureRecognizer::UIGestureRecognizer;

    int numberOfTapsRequired() const { return numberOfTapsRequired_; }
    // At least 1.
    void setNumberOfTapsRequired(int taps);

protected:
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void reset() override { taps_.reset(); }
    bool awaitsFurtherTaps() const override;

private:
    TapSequence taps_;
    int numberOfTapsRequired_ = 1;
};
