#pragma once

#include <memory>

#include "platform/ui/views/UIControl.h"

// A horizontal control for choosing a value in a range by moving a thumb along a track. The
// value is single precision and always within [minimumValue, maximumValue]. A finger that comes
// down on the thumb drags it from where it was caught; one that comes down elsewhere on the
// slider first moves the thumb under it. Value-changed actions (UIControlEventValueChanged) go
// out as the value changes while the finger moves when the slider is continuous, otherwise once
// when the finger lifts; values set in code send none.
//
// The track and the thumb are sublayers of the slider's layer, so a subclass that draws its own
// background in drawRect: (and registers "drawRect:") has them drawn over it.
class UISlider : public UIControl {
    RUNTIME_CLASS(UISlider)
    UISlider();
    explicit UISlider(CGRect frame);

    float value() const { return value_; }
    // NaN is ignored; other values are clamped to the range.
    void setValue(float value);
    // Animated, the thumb glides to its new place.
    void setValue_animated(float value, bool animated);
    float minimumValue() const { return minimumValue_; }
    // NaN is ignored; a minimum above the maximum raises the maximum with it.
    void setMinimumValue(float minimum);
    float maximumValue() const { return maximumValue_; }
    // NaN is ignored; a maximum below the minimum lowers the minimum with it.
    void setMaximumValue(float maximum);
    bool isContinuous() const { return continuous_; }
    void setContinuous(bool continuous) { continuous_ = continuous; }

    // Where the parts go within `bounds` (the platform's names).
    virtual CGRect trackRectForBounds(CGRect bounds) const;
    virtual CGRect thumbRectForBounds_trackRect_value(CGRect bounds, CGRect trackRect,
                                                      float value) const;

    static constexpr CGFloat kThumbDiameter = 28;
    static constexpr CGFloat kTrackHeight = 2;

    void layoutSubviews() override;
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;

private:
    void buildParts();
    // Puts the track and thumb layers where the value says, gliding when animated.
    void placeParts(bool animated);
    // Follows the finger; true when the value changed.
    bool trackTouch(const UITouchSet& touches);
    void finishTracking();
    // The value whose thumb centre is at `x`.
    float valueForThumbCentre(CGFloat x) const;
    // Clamped to the range; NaN is ignored.
    void storeValue(float value);

    float value_ = 0;
    float minimumValue_ = 0;
    float maximumValue_ = 1;
    bool continuous_ = true;

    std::shared_ptr<CALayer> minimumTrack_;
    std::shared_ptr<CALayer> maximumTrack_;
    std::shared_ptr<CALayer> thumb_;

    bool tracking_ = false;
    // Where the finger caught the thumb, from the thumb's centre, horizontally.
    CGFloat grabOffset_ = 0;
    float valueAtTouchDown_ = 0;
};
