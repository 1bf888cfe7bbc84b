#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"

// A one-shot timer on the main run loop. The run loop keeps the timer (and so its handler and
// whatever target the handler holds) until it fires or is invalidated.
class NSTimer : public std::enable_shared_from_this<NSTimer> {
  public:
    using Handler = std::function<void(NSTimer&)>;

    static std::shared_ptr<NSTimer> scheduledTimerWithTimeInterval(NSTimeInterval interval,
                                                                   Handler handler);

    void invalidate();
    bool isValid() const { return valid_; }
    NSTimeInterval fireDate() const { return fireDate_; }

  private:
    NSTimer(NSTimeInterval fireDate, Handler handler)
        : fireDate_(fireDate), handler_(std::move(handler)) {}
    void fire();

    NSTimeInterval fireDate_;
    Handler handler_;
    NSRunLoop::TimerId id_ = 0;
    bool valid_ = true;
};
