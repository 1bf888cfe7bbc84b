#include "platform/ui/touches/UIGestureRecognizer.h"

#include <algorithm>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/foundation/NSTimer.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/touches/detail/GestureEnvironment.h"
#include "platform/ui/views/UIView.h"

Class UIGestureRecognizer::classObject() {
    static const Class cls =
        defineClass<UIGestureRecognizer>("UIGestureRecognizer", NSObject::classObject());
    return cls;
}

namespace {

bool isTransition(UIGestureRecognizerState from, UIGestureRecognizerState to) {
    switch (from) {
        case UIGestureRecognizerStatePossible:
            return to == UIGestureRecognizerStateBegan ||
                   to == UIGestureRecognizerStateRecognized || to == UIGestureRecognizerStateFailed;
        case UIGestureRecognizerStateBegan:
        case UIGestureRecognizerStateChanged:
            return to == UIGestureRecognizerStateChanged || to == UIGestureRecognizerStateEnded ||
                   to == UIGestureRecognizerStateCancelled;
        default:
            return false;  // a decided gesture only leaves its state through a reset
    }
}

}  // namespace

UIGestureRecognizer::UIGestureRecognizer(const std::shared_ptr<NSObject>& target, SEL action) {
    addTarget_action(target, action);
}

UIGestureRecognizer::~UIGestureRecognizer() {
    stopTimer();
}

void UIGestureRecognizer::addTarget_action(const std::shared_ptr<NSObject>& target, SEL action) {
    if (action == nullptr) return;
    targetActions_.push_back({target, action});
}

void UIGestureRecognizer::removeTarget_action(const NSObject* target, SEL action) {
    std::erase_if(targetActions_, [&](const TargetAction& pair) {
        const bool sameTarget = target == nullptr || pair.target.lock().get() == target;
        const bool sameAction = action == nullptr || pair.action == action;
        return sameTarget && sameAction;
    });
}

void UIGestureRecognizer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled) return;
    if (isActive()) {
        setState(UIGestureRecognizerStateCancelled);
    } else if (state_ == UIGestureRecognizerStatePossible && !touches_.empty()) {
        setState(UIGestureRecognizerStateFailed);
    }
}

CGPoint UIGestureRecognizer::locationInView(const UIView* view) const {
    // Windows cover the screen from its origin, so window coordinates are screen points.
    return view != nullptr ? view->convertPoint_fromView(screenLocation_, nullptr)
                           : screenLocation_;
}

void UIGestureRecognizer::setView(const std::shared_ptr<UIView>& view) {
    resetGesture();
    GestureEnvironment::shared().discardStateChanges(*this);
    view_ = view;
}

void UIGestureRecognizer::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    setState(isActive() ? UIGestureRecognizerStateCancelled : UIGestureRecognizerStateFailed);
}

void UIGestureRecognizer::setState(UIGestureRecognizerState state) {
    const UIGestureRecognizerState from = state_;
    NSAssert(isTransition(from, state), "A gesture recogniser's state can't make that change.");
    state_ = state;
    if (from == UIGestureRecognizerStatePossible) stopTimer();
    GestureEnvironment::shared().recognizerChangedState(*this, from);
}

bool UIGestureRecognizer::hasFingersDown() const {
    return std::any_of(touches_.begin(), touches_.end(),
                       [](const auto& touch) { return touch->phase() < UITouchPhaseEnded; });
}

void UIGestureRecognizer::startTimer(double interval, std::function<void()> fire) {
    stopTimer();
    timer_ = NSTimer::scheduledTimerWithTimeInterval(
        interval, [weak = weak_from_this(), fire = std::move(fire)](NSTimer&) {
            // Whatever the handler sets off may drop the recogniser's last owner.
            if (const auto keep = weak.lock()) fire();
        });
}

void UIGestureRecognizer::stopTimer() {
    if (!timer_) return;
    timer_->invalidate();
    timer_.reset();
}

void UIGestureRecognizer::receiveTouches(UITouchPhase phase, const UITouchSet& touches,
                                         UIEvent* event) {
    UITouchSet ours;
    for (const auto& touch : touches) {
        if (phase == UITouchPhaseBegan) {
            touches_.push_back(touch);
        } else if (!hasTouch(touch.get())) {
            continue;  // from before a reset
        }
        ours.push_back(touch);
    }
    if (ours.empty() || !isUndecided()) return;

    // The centroid of the fingers still down, or of the ones that just lifted.
    UITouchSet located;
    std::copy_if(touches_.begin(), touches_.end(), std::back_inserter(located),
                 [](const auto& touch) { return touch->phase() < UITouchPhaseEnded; });
    if (located.empty()) located = ours;
    CGPoint sum{};
    for (const auto& touch : located) {
        const CGPoint point = touch->locationInView(nullptr);
        sum.x += point.x;
        sum.y += point.y;
    }
    const auto count = static_cast<CGFloat>(located.size());
    screenLocation_ = {sum.x / count, sum.y / count};

    switch (phase) {
        case UITouchPhaseBegan:
            touchesBegan_withEvent(ours, event);
            break;
        case UITouchPhaseMoved:
        case UITouchPhaseStationary:
            touchesMoved_withEvent(ours, event);
            break;
        case UITouchPhaseEnded:
            touchesEnded_withEvent(ours, event);
            break;
        case UITouchPhaseCancelled:
            touchesCancelled_withEvent(ours, event);
            break;
    }
}

bool UIGestureRecognizer::hasTouch(const UITouch* touch) const {
    return std::any_of(touches_.begin(), touches_.end(),
                       [touch](const auto& ours) { return ours.get() == touch; });
}

bool UIGestureRecognizer::sharesTouchWith(const UIGestureRecognizer& other) const {
    return std::any_of(touches_.begin(), touches_.end(),
                       [&other](const auto& touch) { return other.hasTouch(touch.get()); });
}

bool UIGestureRecognizer::isActive() const {
    return state_ == UIGestureRecognizerStateBegan || state_ == UIGestureRecognizerStateChanged;
}

void UIGestureRecognizer::sendActions() {
    const auto pairs = targetActions_;  // an action may change the list
    for (const TargetAction& pair : pairs) {
        if (auto target = pair.target.lock())
            msgSend<void(UIGestureRecognizer*)>(target.get(), pair.action.c_str(), this);
    }
}

void UIGestureRecognizer::resetGesture() {
    stopTimer();
    state_ = UIGestureRecognizerStatePossible;
    touches_.clear();
    reset();
}
