#include "platform/foundation/Clock.h"

#include <chrono>
#include <mutex>

namespace {

// Seconds between the Unix epoch and the platform's reference date.
constexpr double kUnixToReferenceDate = 978307200;

std::mutex clockMutex;

std::shared_ptr<Clock>& currentClock() {
    static std::shared_ptr<Clock> clock = std::make_shared<RealClock>();
    return clock;
}

}  // namespace

Clock& Clock::current() {
    std::lock_guard lock(clockMutex);
    return *currentClock();
}

void Clock::setCurrent(std::shared_ptr<Clock> clock) {
    std::lock_guard lock(clockMutex);
    currentClock() = std::move(clock);
}

NSTimeInterval RealClock::now() const {
    auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceEpoch).count() - kUnixToReferenceDate;
}

VirtualClock::VirtualClock(NSTimeInterval start) : now_(start) {}

NSTimeInterval VirtualClock::now() const {
    return now_.load();
}

void VirtualClock::advanceTo(NSTimeInterval time) {
    NSTimeInterval current = now_.load();
    while (time > current && !now_.compare_exchange_weak(current, time)) {
    }
}
