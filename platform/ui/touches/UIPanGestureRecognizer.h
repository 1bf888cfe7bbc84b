#pragma once

#include <optional>

#include "platform/ui/touches/UIGestureRecognizer.h"

// Recognises a finger dragged across the screen. A continuous gesture: it begins once the finger
// has moved kHysteresis points from where it came down, changes with every movement and ends when
// the finger lifts. The translation counts from where the finger came down, so the first callback
// already carries the movement made before recognition.
class UIPanGestureRecognizer : public UIGestureRecognizer {
    RUNTIME_CLASS(UIPanGestureRecognizer)
    using UIGestureRecognizer::UIGestureRecognizer;

    static constexpr CGFloat kHysteresis = 10;

    // The movement since the finger came down (or since the last setTranslation), in `view`'s
    // coordinates; a null view means window coordinates.
    CGPoint translationInView(const UIView* view) const;
    void setTranslation_inView(CGPoint translation, const UIView* view);
    // Points a second, over the latest movement.
    CGPoint velocityInView(const UIView* view) const;

protected:
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void reset() override;

private:
    void sampleVelocity(double timestamp);

    // Screen points.
    std::optional<CGPoint> touchOrigin_;
    CGPoint translationOrigin_{};
    CGPoint velocity_{};
    CGPoint lastSample_{};
    double lastSampleTime_ = 0;
};
