// The view animation blocks, as class operations of UIView.
#include "platform/ui/views/UIView.h"
#include "platform/ui/views/UIViewAnimationContext.h"

namespace {

void runBlock(UIViewAnimationContext::BlockSettings settings, const UIView::Animations& animations,
              UIView::Completion completion) {
    UIViewAnimationContext::beginBlock(settings, std::move(completion));
    if (animations) animations();
    UIViewAnimationContext::endBlock();
}

}  // namespace

void UIView::animateWithDuration_animations(double duration, const Animations& animations) {
    animateWithDuration_delay_options_animations_completion(duration, 0, 0, animations, nullptr);
}

void UIView::animateWithDuration_animations_completion(double duration,
                                                       const Animations& animations,
                                                       Completion completion) {
    animateWithDuration_delay_options_animations_completion(duration, 0, 0, animations,
                                                            std::move(completion));
}

void UIView::animateWithDuration_delay_options_animations_completion(double duration, double delay,
                                                                     unsigned long options,
                                                                     const Animations& animations,
                                                                     Completion completion) {
    runBlock({duration, delay, options}, animations, std::move(completion));
}

void UIView::
    animateWithDuration_delay_usingSpringWithDamping_initialSpringVelocity_options_animations_completion(
        double duration, double delay, double dampingRatio, double velocity, unsigned long options,
        const Animations& animations, Completion completion) {
    runBlock({duration, delay, options, true, dampingRatio, velocity}, animations,
             std::move(completion));
}

void UIView::beginAnimations_context(const std::string& animationID, void* context) {
    UIViewAnimationContext::beginLegacyBlock(animationID, context);
}

void UIView::commitAnimations() {
    UIViewAnimationContext::commitLegacyBlock();
}

void UIView::setAnimationDuration(double duration) {
    if (auto settings = UIViewAnimationContext::legacySettings()) settings->duration = duration;
}

void UIView::setAnimationDelay(double delay) {
    if (auto settings = UIViewAnimationContext::legacySettings()) settings->delay = delay;
}

void UIView::setAnimationCurve(UIViewAnimationCurve curve) {
    if (auto settings = UIViewAnimationContext::legacySettings()) {
        settings->options =
            (settings->options & ~(3ul << 16)) | (static_cast<unsigned long>(curve) << 16);
    }
}

void UIView::setAnimationBeginsFromCurrentState(bool fromCurrentState) {
    if (auto settings = UIViewAnimationContext::legacySettings()) {
        if (fromCurrentState) {
            settings->options |= UIViewAnimationOptionBeginFromCurrentState;
        } else {
            settings->options &=
                ~static_cast<unsigned long>(UIViewAnimationOptionBeginFromCurrentState);
        }
    }
}

void UIView::setAnimationTransition_forView_cache(int transition,
                                                  const std::shared_ptr<UIView>& view, bool) {
    // The picture of the view is taken once either way: the cache flag only saves work on the
    // device.
    UIViewAnimationContext::setLegacyTransition(transition, view);
}

void UIView::setAnimationPosition(CGPoint position) {
    UIViewAnimationContext::setLegacyPosition(position);
}

void UIView::setAnimationDelegate(const std::shared_ptr<NSObject>& delegate) {
    UIViewAnimationContext::setLegacyDelegate(delegate, nullptr);
}

void UIView::setAnimationDidStopSelector(SEL selector) {
    UIViewAnimationContext::setLegacyDelegate(nullptr, selector);
}
