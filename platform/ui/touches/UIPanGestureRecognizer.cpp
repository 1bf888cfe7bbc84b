#include "platform/ui/touches/UIPanGestureRecognizer.h"

#include <cmath>

#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIView.h"

Class UIPanGestureRecognizer::classObject() {
    static const Class cls = defineClass<UIPanGestureRecognizer>(
        "UIPanGestureRecognizer", UIGestureRecognizer::classObject());
    return cls;
}

namespace {

CGPoint difference(CGPoint a, CGPoint b) {
    return {a.x - b.x, a.y - b.y};
}

// A screen vector in a view's coordinates and back; windows cover the screen from its origin.
CGPoint vectorInView(CGPoint vector, const UIView* view) {
    if (view == nullptr) return vector;
    return difference(view->convertPoint_fromView(vector, nullptr),
                      view->convertPoint_fromView(CGPointZero, nullptr));
}

CGPoint vectorOnScreen(CGPoint vector, const UIView* view) {
    if (view == nullptr) return vector;
    return difference(view->convertPoint_toView(vector, nullptr),
                      view->convertPoint_toView(CGPointZero, nullptr));
}

}  // namespace

CGPoint UIPanGestureRecognizer::translationInView(const UIView* view) const {
    return vectorInView(difference(screenLocation(), translationOrigin_), view);
}

void UIPanGestureRecognizer::setTranslation_inView(CGPoint translation, const UIView* view) {
    translationOrigin_ = difference(screenLocation(), vectorOnScreen(translation, view));
}

CGPoint UIPanGestureRecognizer::velocityInView(const UIView* view) const {
    return vectorInView(velocity_, view);
}

void UIPanGestureRecognizer::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    if (touchOrigin_) return;
    touchOrigin_ = translationOrigin_ = lastSample_ = screenLocation();
    lastSampleTime_ = touches.front()->timestamp();
}

void UIPanGestureRecognizer::touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) {
    sampleVelocity(touches.front()->timestamp());
    if (isActive()) {
        setState(UIGestureRecognizerStateChanged);
        return;
    }
    const CGPoint moved = difference(screenLocation(), *touchOrigin_);
    // The translation keeps counting from the touch-down point, so the first callback carries the
    // movement made before recognition and a view moved by it follows the finger exactly.
    if (std::hypot(moved.x, moved.y) < kHysteresis) return;
    setState(UIGestureRecognizerStateBegan);
}

void UIPanGestureRecognizer::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!isActive()) {
        setState(UIGestureRecognizerStateFailed);
        return;
    }
    sampleVelocity(touches.front()->timestamp());
    setState(UIGestureRecognizerStateEnded);
}

void UIPanGestureRecognizer::reset() {
    touchOrigin_.reset();
    velocity_ = CGPointZero;
}

void UIPanGestureRecognizer::sampleVelocity(double timestamp) {
    const double elapsed = timestamp - lastSampleTime_;
    if (elapsed <= 0) return;
    const CGPoint moved = difference(screenLocation(), lastSample_);
    velocity_ = {moved.x / elapsed, moved.y / elapsed};
    lastSample_ = screenLocation();
    lastSampleTime_ = timestamp;
}
