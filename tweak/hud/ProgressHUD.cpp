// The HUD's state, class operations, showing and hiding, and tasks.
#include "tweak/hud/ProgressHUD.h"

#include <cmath>
#include <optional>
#include <typeinfo>

#include "platform/foundation/DelayedPerform.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSAssertionHandler.h"
#include "platform/foundation/NSThread.h"
#include "platform/foundation/NSTimer.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIWindow.h"
#include "tweak/hud/ProgressHUDDelegate.h"

namespace {

constexpr double kAnimationDuration = 0.3;
constexpr CGFloat kLargeScale = 1.5;
constexpr CGFloat kSmallScale = 0.5;
// Not 0: the HUD keeps taking touches until its hide animation has ended.
constexpr CGFloat kHidingAlpha = 0.02;
constexpr unsigned kFlexibleMargins =
    UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleRightMargin |
    UIViewAutoresizingFlexibleTopMargin | UIViewAutoresizingFlexibleBottomMargin;

using TaskImplementation = void (*)(id, SEL, NSObject*);

bool answersTask(const NSObject& target, SEL method) {
    if (method == nullptr) return false;
    const auto found = target.objectClass()->lookUpMethod(method);
    return found && *found->signature == typeid(TaskImplementation);
}

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

// A view goes on the main thread: a thread that kept one alive hands its reference back there.
void releaseOnMainThread(std::shared_ptr<ProgressHUD> hud) {
    DispatchQueue::main().async([hud = std::move(hud)] {});
}

}  // namespace

Class ProgressHUD::classObject() {
    static const Class cls =
        defineClass<ProgressHUD>("ProgressHUD", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<ProgressHUD*>(self)->drawRect(rect);
                });
            c.addMethod(
                "handleGraceTimer:", +[](id self, SEL, NSTimer*) {
                    static_cast<ProgressHUD*>(self)->handleGraceTimer();
                });
            c.addMethod(
                "handleMinShowTimer:", +[](id self, SEL, NSTimer*) {
                    static_cast<ProgressHUD*>(self)->handleMinShowTimer();
                });
            c.addMethod(
                "hideDelayed:", +[](id self, SEL, bool animated) {
                    static_cast<ProgressHUD*>(self)->hideDelayed(animated);
                });
            c.addMethod(
                "animationFinished:finished:context:",
                +[](id self, SEL, const std::string& animationID, bool finished, void* context) {
                    static_cast<ProgressHUD*>(self)->animationFinished_finished_context(
                        animationID, finished, context);
                });
            c.addMethod(
                "done", +[](id self, SEL) { static_cast<ProgressHUD*>(self)->done(); });
            c.addMethod(
                "launchExecution",
                +[](id self, SEL) { static_cast<ProgressHUD*>(self)->launchExecution(); });
            c.addMethod(
                "cleanUp", +[](id self, SEL) { static_cast<ProgressHUD*>(self)->cleanUp(); });
        });
    return cls;
}

// Creation

ProgressHUD::ProgressHUD(CGRect frame)
    : UIView(frame),
      labelFont_(UIFont::boldSystemFontOfSize(16)),
      labelColor_(UIColor::whiteColor()),
      detailsLabelFont_(UIFont::boldSystemFontOfSize(12)),
      detailsLabelColor_(UIColor::whiteColor()) {
    setAutoresizingMask(kFlexibleMargins);
    setOpaque(false);
    setBackgroundColor(UIColor::clearColor());
    // The layer has no delegate while the HUD is being made: without this its alpha would fade
    // out as a lone layer's does, over the HUD's first show.
    CATransaction::begin();
    CATransaction::setDisableActions(true);
    setAlpha(0);
    CATransaction::commit();
    // The box is drawn centred in the bounds.
    layer()->setNeedsDisplayOnBoundsChange(true);
}

std::shared_ptr<ProgressHUD> ProgressHUD::initWithFrame(CGRect frame) {
    std::shared_ptr<ProgressHUD> hud(new ProgressHUD(frame));
    hud->finishInit();
    return hud;
}

std::shared_ptr<ProgressHUD> ProgressHUD::initWithView(const std::shared_ptr<UIView>& view) {
    NSAssert(view != nullptr, "View must not be nil.");
    return initWithFrame(view->bounds());
}

std::shared_ptr<ProgressHUD> ProgressHUD::initWithWindow(const std::shared_ptr<UIWindow>& window) {
    return initWithView(window);
}

void ProgressHUD::finishInit() {
    setupLabels();
    updateIndicators();
    registerForKVO();
    registerForNotifications();
}

std::shared_ptr<ProgressHUD> ProgressHUD::self() {
    return std::static_pointer_cast<ProgressHUD>(shared_from_this());
}

// Observed properties: each change is told to the HUD's own observation, on the setting thread.

void ProgressHUD::setMode(ProgressHUDMode mode) {
    mode_.store(mode);
    didChangeValueForKey("mode", mode);
}

void ProgressHUD::setCustomView(std::shared_ptr<UIView> view) {
    customView_.set(view);
    didChangeValueForKey("customView", view);
}

void ProgressHUD::setLabelText(std::string text) {
    labelText_.set(text);
    didChangeValueForKey("labelText", text);
}

void ProgressHUD::setLabelFont(std::shared_ptr<UIFont> font) {
    labelFont_.set(font);
    didChangeValueForKey("labelFont", font);
}

void ProgressHUD::setLabelColor(std::shared_ptr<UIColor> color) {
    labelColor_.set(color);
    didChangeValueForKey("labelColor", color);
}

void ProgressHUD::setDetailsLabelText(std::string text) {
    detailsLabelText_.set(text);
    didChangeValueForKey("detailsLabelText", text);
}

void ProgressHUD::setDetailsLabelFont(std::shared_ptr<UIFont> font) {
    detailsLabelFont_.set(font);
    didChangeValueForKey("detailsLabelFont", font);
}

void ProgressHUD::setDetailsLabelColor(std::shared_ptr<UIColor> color) {
    detailsLabelColor_.set(color);
    didChangeValueForKey("detailsLabelColor", color);
}

void ProgressHUD::setProgress(float progress) {
    progress_.store(progress);
    didChangeValueForKey("progress", progress);
}

// Class operations

std::shared_ptr<ProgressHUD> ProgressHUD::showHUDAddedTo_animated(
    const std::shared_ptr<UIView>& view, bool animated) {
    auto hud = initWithView(view);
    view->addSubview(hud);
    hud->show(animated);
    return hud;
}

bool ProgressHUD::hideHUDForView_animated(const std::shared_ptr<UIView>& view, bool animated) {
    const auto hud = HUDForView(view);
    if (!hud) return false;
    hud->setRemoveFromSuperViewOnHide(true);
    hud->hide(animated);
    return true;
}

std::size_t ProgressHUD::hideAllHUDsForView_animated(const std::shared_ptr<UIView>& view,
                                                     bool animated) {
    const auto huds = allHUDsForView(view);
    for (const auto& hud : huds) {
        hud->setRemoveFromSuperViewOnHide(true);
        hud->hide(animated);
    }
    return huds.size();
}

std::shared_ptr<ProgressHUD> ProgressHUD::HUDForView(const std::shared_ptr<UIView>& view) {
    const auto huds = allHUDsForView(view);
    return huds.empty() ? nullptr : huds.back();
}

std::vector<std::shared_ptr<ProgressHUD>> ProgressHUD::allHUDsForView(
    const std::shared_ptr<UIView>& view) {
    std::vector<std::shared_ptr<ProgressHUD>> huds;
    if (!view) return huds;
    for (const auto& subview : view->subviews()) {
        if (subview->isKindOfClass(classObject()))
            huds.push_back(std::static_pointer_cast<ProgressHUD>(subview));
    }
    return huds;
}

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

// Tasks

void ProgressHUD::showWhileExecuting_onTarget_withObject_animated(SEL method,
                                                                  std::shared_ptr<NSObject> target,
                                                                  std::shared_ptr<NSObject> object,
                                                                  bool animated) {
    NSAssert(method != nullptr && (!target || answersTask(*target, method)),
             "The target must answer the method with one object argument.");
    methodForExecution_.set(method);
    targetForExecution_.set(std::move(target));
    objectForExecution_.set(std::move(object));
    setTaskInProgress(true);
    NSThread::detachNewThreadWithBlock([hud = self()]() mutable {
        msgSend<void()>(hud.get(), "launchExecution");
        releaseOnMainThread(std::move(hud));
    });
    show(animated);
}

void ProgressHUD::launchExecution() {
    {
        // Scoped, so the thread holds nothing of the task once clean-up can run.
        const auto target = targetForExecution_.get();
        const auto object = objectForExecution_.get();
        const std::string method = methodForExecution_.get();
        msgSend<void(NSObject*)>(target.get(), method.c_str(), object.get());
    }
    DispatchQueue::main().async([hud = self()] { msgSend<void()>(hud.get(), "cleanUp"); });
}

void ProgressHUD::showAnimated_whileExecutingBlock(bool animated, Block block) {
    showAnimated_whileExecutingBlock_onQueue_completionBlock(animated, std::move(block),
                                                             DispatchQueue::global(), nullptr);
}

void ProgressHUD::showAnimated_whileExecutingBlock_completionBlock(bool animated, Block block,
                                                                   Block completion) {
    showAnimated_whileExecutingBlock_onQueue_completionBlock(
        animated, std::move(block), DispatchQueue::global(), std::move(completion));
}

void ProgressHUD::showAnimated_whileExecutingBlock_onQueue(bool animated, Block block,
                                                           DispatchQueue& queue) {
    showAnimated_whileExecutingBlock_onQueue_completionBlock(animated, std::move(block), queue,
                                                             nullptr);
}

void ProgressHUD::showAnimated_whileExecutingBlock_onQueue_completionBlock(bool animated,
                                                                           Block block,
                                                                           DispatchQueue& queue,
                                                                           Block completion) {
    setTaskInProgress(true);
    setCompletionBlock(std::move(completion));
    queue.async([hud = self(), block = std::move(block)]() mutable {
        if (block) block();
        DispatchQueue::main().async(
            [hud = std::move(hud)] { msgSend<void()>(hud.get(), "cleanUp"); });
    });
    show(animated);
}

void ProgressHUD::cleanUp() {
    setTaskInProgress(false);
    targetForExecution_.set(nullptr);
    objectForExecution_.set(nullptr);
    hide(useAnimation_);
}
