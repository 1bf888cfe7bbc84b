#include "platform/ui/views/UISlider.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/views/ControlColors.h"

namespace {

constexpr double kGlideDuration = 0.2;

std::shared_ptr<CALayer> makeTrackLayer(const std::shared_ptr<UIColor>& color) {
    auto track = CALayer::layer();
    track->setBackgroundColor(color->CGColor());
    track->setCornerRadius(UISlider::kTrackHeight / 2);
    return track;
}

CGPoint centreOf(CGRect rect) {
    return {CGRectGetMidX(rect), CGRectGetMidY(rect)};
}

}  // namespace

Class UISlider::classObject() {
    static const Class cls = defineClass<UISlider>("UISlider", UIControl::classObject());
    return cls;
}

UISlider::UISlider() {
    buildParts();
}

UISlider::UISlider(CGRect frame) : UIControl(frame) {
    buildParts();
}

void UISlider::buildParts() {
    minimumTrack_ = makeTrackLayer(ControlColors::tint());
    maximumTrack_ = makeTrackLayer(ControlColors::track());
    thumb_ = CALayer::layer();
    thumb_->setBackgroundColor(UIColor::whiteColor()->CGColor());
    thumb_->setCornerRadius(kThumbDiameter / 2);
    thumb_->setShadowColor(UIColor::blackColor()->CGColor());
    thumb_->setShadowOpacity(0.3f);
    thumb_->setShadowOffset({0, 2});
    thumb_->setShadowRadius(2.5);
    for (const auto& part : {maximumTrack_, minimumTrack_, thumb_}) layer()->addSublayer(part);
    placeParts(false);
}

// Value

void UISlider::setValue(float value) {
    setValue_animated(value, false);
}

void UISlider::setValue_animated(float value, bool animated) {
    storeValue(value);
    placeParts(animated);
}

void UISlider::setMinimumValue(float minimum) {
    if (std::isnan(minimum)) return;
    minimumValue_ = minimum;
    maximumValue_ = std::max(maximumValue_, minimum);
    setValue(value_);
}

void UISlider::setMaximumValue(float maximum) {
    if (std::isnan(maximum)) return;
    maximumValue_ = maximum;
    minimumValue_ = std::min(minimumValue_, maximum);
    setValue(value_);
}

void UISlider::storeValue(float value) {
    // NaN comes from code, and from touches on a slider scaled to nothing.
    if (!std::isnan(value)) value_ = std::clamp(value, minimumValue_, maximumValue_);
}

// Geometry and parts

CGRect UISlider::trackRectForBounds(CGRect bounds) const {
    return {{bounds.origin.x, CGRectGetMidY(bounds) - kTrackHeight / 2},
            {bounds.size.width, kTrackHeight}};
}

CGRect UISlider::thumbRectForBounds_trackRect_value(CGRect, CGRect trackRect, float value) const {
    const double range = static_cast<double>(maximumValue_) - minimumValue_;
    const double fraction = range > 0 ? (value - minimumValue_) / range : 0;
    const CGFloat travel = std::max(trackRect.size.width - kThumbDiameter, 0.0);
    return {{trackRect.origin.x + std::clamp(fraction, 0.0, 1.0) * travel,
             CGRectGetMidY(trackRect) - kThumbDiameter / 2},
            {kThumbDiameter, kThumbDiameter}};
}

float UISlider::valueForThumbCentre(CGFloat x) const {
    const CGRect track = trackRectForBounds(bounds());
    const CGFloat travel = track.size.width - kThumbDiameter;
    if (!(travel > 0)) return value_;
    const double fraction =
        std::clamp((x - kThumbDiameter / 2 - track.origin.x) / travel, 0.0, 1.0);
    return static_cast<float>(minimumValue_ + fraction * (maximumValue_ - minimumValue_));
}

void UISlider::layoutSubviews() {
    placeParts(false);
}

void UISlider::placeParts(bool animated) {
    const CGRect bounds = this->bounds();
    const CGRect track = trackRectForBounds(bounds);
    const CGRect thumb = thumbRectForBounds_trackRect_value(bounds, track, value_);
    const CGFloat split = CGRectGetMidX(thumb);

    CATransaction::begin();
    CATransaction::setDisableActions(!animated);
    CATransaction::setAnimationDuration(kGlideDuration);
    minimumTrack_->setFrame(
        {track.origin, {std::max(split - track.origin.x, 0.0), track.size.height}});
    maximumTrack_->setFrame({{split, track.origin.y},
                             {std::max(CGRectGetMaxX(track) - split, 0.0), track.size.height}});
    thumb_->setBounds({{0, 0}, thumb.size});
    thumb_->setPosition(centreOf(thumb));
    CATransaction::commit();
}

// Touches

void UISlider::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!isEnabled() || touches.empty()) return;
    const CGPoint point = touches.front()->locationInView(this);
    const CGRect bounds = this->bounds();
    const CGRect thumb =
        thumbRectForBounds_trackRect_value(bounds, trackRectForBounds(bounds), value_);
    // The thumb is caught a little outside its circle, as a fingertip is wider than a point.
    const bool onThumb = CGRectContainsPoint(CGRectInset(thumb, -4, -4), point);
    tracking_ = true;
    valueAtTouchDown_ = value_;
    grabOffset_ = onThumb ? point.x - CGRectGetMidX(thumb) : 0;
    if (trackTouch(touches) && continuous_) sendActionsForControlEvents(UIControlEventValueChanged);
}

void UISlider::touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!tracking_ || touches.empty()) return;
    if (trackTouch(touches) && continuous_) sendActionsForControlEvents(UIControlEventValueChanged);
}

void UISlider::touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) {
    if (!tracking_) return;
    touchesMoved_withEvent(touches, event);
    finishTracking();
}

void UISlider::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    // The thumb stays where the finger left it, so a slider that waits for the finger still
    // reports the change.
    if (tracking_) finishTracking();
}

bool UISlider::trackTouch(const UITouchSet& touches) {
    const float before = value_;
    storeValue(valueForThumbCentre(touches.front()->locationInView(this).x - grabOffset_));
    placeParts(false);
    return value_ != before;
}

void UISlider::finishTracking() {
    tracking_ = false;
    if (!continuous_ && value_ != valueAtTouchDown_)
        sendActionsForControlEvents(UIControlEventValueChanged);
}
