#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "platform/foundation/Clock.h"

// The main thread's run loop. One turn runs the tasks posted before it began, then the timers due
// at its start, then the end-of-turn tasks (which may add more end-of-turn tasks). Time comes from
// Clock::current(): with a virtual clock, running until a date advances the clock from one timer
// to the next instead of waiting.
class NSRunLoop {
  public:
    using TimerId = std::uint64_t;

    static NSRunLoop& mainRunLoop();

    // Any thread: run `task` on the main thread in a later turn, in order of posting.
    void performBlock(std::function<void()> task);
    // Main thread: run `task` at the end of the current turn, before the loop waits.
    void performAtEndOfTurn(std::function<void()> task);

    // Any thread. `tag` groups timers so they can be removed together (delayed performs).
    TimerId addTimer(NSTimeInterval fireDate, const void* tag, std::function<void()> fire);
    void removeTimer(TimerId timer);
    void removeTimersTagged(const void* tag);

    // Main thread. One turn without waiting.
    void runOneTurn();
    // Main thread. Runs turns until `date`, or until stop() is called.
    void runUntilDate(NSTimeInterval date);
    // Any thread: makes the current runUntilDate return after its turn.
    void stop();

  private:
    struct Timer {
        NSTimeInterval fireDate;
        const void* tag;
        std::function<void()> fire;
    };

    NSRunLoop() = default;
    void runTurn();
    // Removes and gives the earliest timer due at `now` whose id is below `idLimit`.
    std::function<void()> takeDueTimer(NSTimeInterval now, TimerId idLimit);
    NSTimeInterval earliestFireDate() const;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> posted_;
    std::map<TimerId, Timer> timers_;
    TimerId nextTimerId_ = 1;
    bool stopRequested_ = false;
    std::vector<std::function<void()>> endOfTurn_;  // main thread only
};
