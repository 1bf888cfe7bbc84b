#include "platform/springboard/SBBacklightController.h"

#include "platform/foundation/NSTimer.h"
#include "platform/runtime/Runtime.h"

Class SBBacklightController::classObject() {
    static const Class cls = defineClass<SBBacklightController>(
        "SBBacklightController", NSObject::classObject(), [](RuntimeClass& c) {
            c.addClassMethod(
                "sharedInstance",
                +[](Class, SEL) -> std::shared_ptr<NSObject> { return SBBacklightController::sharedInstance(); });
            c.addMethod(
                "cancelLockScreenIdleTimer", +[](id self, SEL) {
                    static_cast<SBBacklightController*>(self)->cancelLockScreenIdleTimer();
                });
            c.addMethod(
                "resetLockScreenIdleTimer", +[](id self, SEL) {
                    static_cast<SBBacklightController*>(self)->resetLockScreenIdleTimer();
                });
        });
    return cls;
}

const std::shared_ptr<SBBacklightController>& SBBacklightController::sharedInstance() {
    static const auto controller = std::make_shared<SBBacklightController>();
    return controller;
}

void SBBacklightController::cancelLockScreenIdleTimer() {
    cancelled_ = true;
    if (timer_) timer_->invalidate();
    setLevel(BacklightLevel::On);
}

void SBBacklightController::resetLockScreenIdleTimer() {
    cancelled_ = false;
    userActivity();
}

void SBBacklightController::userActivity() {
    setLevel(BacklightLevel::On);
    if (timer_) timer_->invalidate();
    if (locked_ && !cancelled_) schedule(kDimDelay, BacklightLevel::Dimmed);
}

void SBBacklightController::setLocked(bool locked) {
    locked_ = locked;
    userActivity();
}

void SBBacklightController::schedule(double delay, BacklightLevel level) {
    std::weak_ptr<SBBacklightController> weakSelf =
        std::static_pointer_cast<SBBacklightController>(shared_from_this());
    timer_ = NSTimer::scheduledTimerWithTimeInterval(delay, [weakSelf, level](NSTimer&) {
        auto self = weakSelf.lock();
        if (!self) return;
        self->setLevel(level);
        if (level == BacklightLevel::Dimmed) self->schedule(kOffDelay, BacklightLevel::Off);
    });
}

void SBBacklightController::setLevel(BacklightLevel level) {
    if (level == level_) return;
    level_ = level;
    if (levelHandler_) levelHandler_(level);
}
