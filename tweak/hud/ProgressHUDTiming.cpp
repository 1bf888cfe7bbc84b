// When and how the HUD shows and hides: the grace time, the minimum show time, the delayed hide
// and the show and hide animations.
#include <cmath>
#include <optional>

#include "platform/foundation/DelayedPerform.h"
#include "platform/foundation/NSTimer.h"
#include "platform/runtime/Runtime.h"
#include "tweak/hud/ProgressHUD.h"
#include "tweak/hud/ProgressHUDDelegate.h"

namespace {

constexpr double kAnimationDuration = 0.3;
constexpr CGFloat kLargeScale = 1.5;
constexpr CGFloat kSmallScale = 0.5;
// Not 0: the HUD keeps taking touches until its hide animation has ended.
constexpr CGFloat kHidingAlpha = 0.02;

// The scale an animation type starts a show from, or ends a hide at; none for a plain fade.
std::optional<CGFloat> showingScale(ProgressHUDAnimation type) {
    if (type == ProgressHUDAnimationShrink) return kLargeScale;
    if (type == ProgressHUDAnimationGrow) return kSmallScale;
    return std::nullopt;
}

std::optional<CGFloat> hidingScale(ProgressHUDAnimation type) {
    if (type == ProgressHUDAnimationShrink) return kSmallScale;
    if (type == ProgressHUDAnimationGrow) return kLargeScale;
    return std::nullopt;
}

}  // namespace

// Showing

void ProgressHUD::show(bool animated) {
    useAnimation_ = animated;
    if (graceTime() > 0) {
        graceTimer_.set(scheduleTimer(graceTime(), "handleGraceTimer:"));
        return;
    }
    setNeedsDisplay();
    showUsingAnimation(useAnimation_);
}

void ProgressHUD::handleGraceTimer() {
    // A task that ended within the grace time leaves the HUD hidden.
    if (!taskInProgress()) return;
    setNeedsDisplay();
    showUsingAnimation(useAnimation_);
}

void ProgressHUD::showUsingAnimation(bool animated) {
    const auto scale = showingScale(animationType());
    if (animated && scale) {
        setTransform(CGAffineTransformConcat(rotationTransform_,
                                             CGAffineTransformMakeScale(*scale, *scale)));
    }
    showStarted_.set(NSDate::now());
    if (animated) {
        UIView::animateWithDuration_animations(kAnimationDuration, [&] {
            setAlpha(1);
            if (scale) setTransform(rotationTransform_);
        });
    } else {
        setAlpha(1);
    }
}

// Hiding

void ProgressHUD::hide(bool animated) {
    useAnimation_ = animated;
    const auto started = showStarted();
    if (minShowTime() > 0 && started) {
        const double elapsed = NSDate::now() - *started;
        if (elapsed < minShowTime()) {
            minShowTimer_.set(scheduleTimer(minShowTime() - elapsed, "handleMinShowTimer:"));
            return;
        }
    }
    hideUsingAnimation(useAnimation_);
}

void ProgressHUD::handleMinShowTimer() {
    hideUsingAnimation(useAnimation_);
}

void ProgressHUD::hide_afterDelay(bool animated, double delay) {
    const std::weak_ptr<ProgressHUD> weakSelf = self();
    performAfterDelay(self(), std::isnan(delay) ? 0 : delay, [weakSelf, animated] {
        if (auto hud = weakSelf.lock()) msgSend<void(bool)>(hud.get(), "hideDelayed:", animated);
    });
}

void ProgressHUD::hideDelayed(bool animated) {
    hide(animated);
}

void ProgressHUD::hideUsingAnimation(bool animated) {
    const auto keep = self();  // done may take the HUD out of the view that owns it
    const bool shown = showStarted().has_value();
    // Cleared before done runs, so that a completion or delegate showing the HUD again keeps
    // its new start.
    showStarted_.set(std::nullopt);
    if (animated && shown) {
        UIView::beginAnimations_context("", nullptr);
        UIView::setAnimationDuration(kAnimationDuration);
        UIView::setAnimationDelegate(keep);
        UIView::setAnimationDidStopSelector("animationFinished:finished:context:");
        if (const auto scale = hidingScale(animationType())) {
            setTransform(CGAffineTransformConcat(rotationTransform_,
                                                 CGAffineTransformMakeScale(*scale, *scale)));
        }
        setAlpha(kHidingAlpha);
        UIView::commitAnimations();
    } else {
        setAlpha(0);
        done();
    }
}

void ProgressHUD::animationFinished_finished_context(const std::string&, bool, void*) {
    done();
}

void ProgressHUD::done() {
    const auto keep = self();
    cancelPreviousPerformRequestsWithTarget(this);
    setAlpha(0);
    if (removeFromSuperViewOnHide()) removeFromSuperview();
    // Taken out before it runs, so a completion that starts another task keeps that task's own.
    if (const Block completion = completionBlock_.exchange(nullptr)) completion();
    if (const auto delegate = this->delegate().lock()) delegate->hudWasHidden(keep);
}

std::shared_ptr<NSTimer> ProgressHUD::scheduleTimer(double interval, SEL handler) {
    const std::weak_ptr<ProgressHUD> weakSelf = self();
    return NSTimer::scheduledTimerWithTimeInterval(interval, [weakSelf, handler](NSTimer& timer) {
        if (auto hud = weakSelf.lock()) msgSend<void(NSTimer*)>(hud.get(), handler, &timer);
    });
}
