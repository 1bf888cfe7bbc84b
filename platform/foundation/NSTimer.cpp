#include "platform/foundation/NSTimer.h"

std::shared_ptr<NSTimer> NSTimer::scheduledTimerWithTimeInterval(NSTimeInterval interval,
                                                                 Handler handler) {
    auto timer = std::shared_ptr<NSTimer>(
        new NSTimer(NSDate::now() + std::max(interval, 0.0), std::move(handler)));
    timer->id_ =
        NSRunLoop::mainRunLoop().addTimer(timer->fireDate_, nullptr, [timer] { timer->fire(); });
    return timer;
}

void NSTimer::fire() {
    if (!valid_)
        return;
    valid_ = false;
    Handler handler = std::move(handler_);
    handler(*this);
}

void NSTimer::invalidate() {
    if (!valid_)
        return;
    valid_ = false;
    handler_ = nullptr;
    NSRunLoop::mainRunLoop().removeTimer(id_);
}
