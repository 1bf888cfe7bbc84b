#pragma once

#include <functional>

#include "platform/foundation/NSRunLoop.h"

// Calls `tick` every `interval` seconds on the main run loop until it is destroyed: what the
// platform's display links and repeating timers do for animations that step themselves. Ticks
// keep to their schedule from the start (ticks missed while the loop was busy are skipped, not
// bunched), so on virtual time they come at the same moments however the clock is advanced.
// Main thread only.
class RepeatingTimer {
public:
    RepeatingTimer(double interval, std::function<void()> tick);
    ~RepeatingTimer();
    RepeatingTimer(const RepeatingTimer&) = delete;
    RepeatingTimer& operator=(const RepeatingTimer&) = delete;

private:
    void scheduleNext();
    void fire();

    double interval_;
    std::function<void()> tick_;
    NSTimeInterval nextFireDate_;
    NSRunLoop::TimerId timer_ = 0;
};
