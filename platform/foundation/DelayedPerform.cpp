#include "platform/foundation/DelayedPerform.h"

#include <algorithm>

#include "platform/foundation/NSRunLoop.h"
#include "platform/runtime/NSObject.h"

void performAfterDelay(const std::shared_ptr<NSObject>& target, NSTimeInterval delay,
                       std::function<void()> action) {
    NSRunLoop::mainRunLoop().addTimer(NSDate::now() + std::max(delay, 0.0), target.get(),
                                      [target, action = std::move(action)] { action(); });
}

void cancelPreviousPerformRequestsWithTarget(const NSObject* target) {
    NSRunLoop::mainRunLoop().removeTimersTagged(target);
}
