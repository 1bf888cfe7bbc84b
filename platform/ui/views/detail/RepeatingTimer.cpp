#include "platform/ui/views/detail/RepeatingTimer.h"

#include <algorithm>
#include <cmath>

namespace {

// Keeps a zero, negative or NaN interval from spinning the run loop.
constexpr double kShortestInterval = 1.0 / 240;

}  // namespace

RepeatingTimer::RepeatingTimer(double interval, std::function<void()> tick)
    : interval_(std::isfinite(interval) ? std::max(interval, kShortestInterval)
                                        : kShortestInterval),
      tick_(std::move(tick)),
      nextFireDate_(NSDate::now()) {
    scheduleNext();
}

RepeatingTimer::~RepeatingTimer() {
    NSRunLoop::mainRunLoop().removeTimer(timer_);
}

void RepeatingTimer::scheduleNext() {
    const NSTimeInterval now = NSDate::now();
    nextFireDate_ += interval_;
    if (nextFireDate_ <= now)
        nextFireDate_ += std::ceil((now - nextFireDate_) / interval_ + 1e-9) * interval_;
    timer_ = NSRunLoop::mainRunLoop().addTimer(nextFireDate_, this, [this] { fire(); });
}

void RepeatingTimer::fire() {
    // The next tick is booked first and the handler runs from a copy: the tick may destroy this
    // timer, which then cancels the booking.
    scheduleNext();
    const auto tick = tick_;
    tick();
}
