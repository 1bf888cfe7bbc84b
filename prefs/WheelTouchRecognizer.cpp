#include "prefs/WheelTouchRecognizer.h"

#include "platform/runtime/Runtime.h"

Class WheelTouchRecognizer::classObject() {
    static const Class cls = defineClass<WheelTouchRecognizer>("WheelTouchRecognizer",
                                                               UIGestureRecognizer::classObject());
    return cls;
}

WheelTouchRecognizer::WheelTouchRecognizer() {
    setCancelsTouchesInView(false);
    setDelaysTouchesEnded(false);
}

void WheelTouchRecognizer::touchesBegan_withEvent(const UITouchSet&, UIEvent*) {
    if (state() == UIGestureRecognizerStatePossible) setState(UIGestureRecognizerStateBegan);
}

void WheelTouchRecognizer::touchesMoved_withEvent(const UITouchSet&, UIEvent*) {
    if (isActive()) setState(UIGestureRecognizerStateChanged);
}

void WheelTouchRecognizer::touchesEnded_withEvent(const UITouchSet&, UIEvent*) {
    if (isActive() && !hasFingersDown()) setState(UIGestureRecognizerStateEnded);
}
