#include "platform/ui/touches/UILongPressGestureRecognizer.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/Runtime.h"

Class UILongPressGestureRecognizer::classObject() {
    static const Class cls = defineClass<UILongPressGestureRecognizer>(
        "UILongPressGestureRecognizer", UIGestureRecognizer::classObject());
    return cls;
}

void UILongPressGestureRecognizer::setMinimumPressDuration(double seconds) {
    minimumPressDuration_ = std::isfinite(seconds) ? std::max(seconds, 0.0) : 0.5;
}

void UILongPressGestureRecognizer::setNumberOfTapsRequired(int taps) {
    numberOfTapsRequired_ = std::max(taps, 0);
}

void UILongPressGestureRecognizer::setAllowableMovement(CGFloat points) {
    allowableMovement_ = std::isnan(points) ? 10 : std::max(points, 0.0);
}

void UILongPressGestureRecognizer::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    const bool midSequence = taps_.completedTaps() > 0;
    if (!taps_.touchDown(screenLocation(), touches.front()->timestamp()) && midSequence) {
        setState(UIGestureRecognizerStateFailed);
        return;
    }
    stopTimer();
    if (taps_.completedTaps() < numberOfTapsRequired_) return;
    pressing_ = true;
    pressOrigin_ = screenLocation();
    startTimer(minimumPressDuration_, [this] { setState(UIGestureRecognizerStateBegan); });
}

void UILongPressGestureRecognizer::touchesMoved_withEvent(const UITouchSet&, UIEvent*) {
    const CGPoint point = screenLocation();
    if (isActive()) {
        setState(UIGestureRecognizerStateChanged);
        return;
    }
    const bool stillHolding = pressing_ ? std::hypot(point.x - pressOrigin_.x,
                                                     point.y - pressOrigin_.y) <= allowableMovement_
                                        : taps_.touchMoved(point);
    if (!stillHolding) setState(UIGestureRecognizerStateFailed);
}

void UILongPressGestureRecognizer::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    if (isActive()) {
        setState(UIGestureRecognizerStateEnded);
    } else if (pressing_) {
        setState(UIGestureRecognizerStateFailed);  // lifted too soon
    } else {
        taps_.touchUp(touches.front()->timestamp());
        startTimer(TapSequence::kMaximumGap, [this] { setState(UIGestureRecognizerStateFailed); });
    }
}

void UILongPressGestureRecognizer::reset() {
    taps_.reset();
    pressing_ = false;
}

bool UILongPressGestureRecognizer::awaitsFurtherTaps() const {
    return state() == UIGestureRecognizerStatePossible && !hasFingersDown() &&
           taps_.completedTaps() > 0;
}
