#include "platform/ui/touches/UITapGestureRecognizer.h"

#include <algorithm>

#include "platform/runtime/Runtime.h"

Class UITapGestureRecognizer::classObject() {
    static const Class cls = defineClass<UITapGestureRecognizer>(
        "UITapGestureRecognizer", UIGestureRecognizer::classObject());
    return cls;
}

void UITapGestureRecognizer::setNumberOfTapsRequired(int taps) {
    numberOfTapsRequired_ = std::max(taps, 1);
}

void UITapGestureRecognizer::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    const bool midSequence = taps_.completedTaps() > 0;
    if (!taps_.touchDown(screenLocation(), touches.front()->timestamp()) && midSequence) {
        setState(UIGestureRecognizerStateFailed);
    } else {
        stopTimer();
    }
}

void UITapGestureRecognizer::touchesMoved_withEvent(const UITouchSet&, UIEvent*) {
    if (!taps_.touchMoved(screenLocation())) setState(UIGestureRecognizerStateFailed);
}

void UITapGestureRecognizer::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    taps_.touchUp(touches.front()->timestamp());
    if (taps_.completedTaps() >= numberOfTapsRequired_) {
        setState(UIGestureRecognizerStateRecognized);
    } else {
        startTimer(TapSequence::kMaximumGap, [this] { setState(UIGestureRecognizerStateFailed); });
    }
}

bool UITapGestureRecognizer::awaitsFurtherTaps() const {
    return state() == UIGestureRecognizerStatePossible && !hasFingersDown() &&
           taps_.completedTaps() > 0;
}
