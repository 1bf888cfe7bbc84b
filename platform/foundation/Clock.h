#pragma once

#include <atomic>
#include <memory>

// Seconds since 2001-01-01 00:00:00 UTC, the platform's reference date.
using NSTimeInterval = double;

// Where the process reads the time: the real clock in the simulator window, a virtual clock that
// tests and headless runs advance by hand, so timers and animations are deterministic.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual NSTimeInterval now() const = 0;
    // True when time passes only when someone advances it.
    virtual bool isVirtual() const = 0;
    virtual void advanceTo(NSTimeInterval time) = 0;

    static Clock& current();
    static void setCurrent(std::shared_ptr<Clock> clock);
};

class RealClock final : public Clock {
  public:
    NSTimeInterval now() const override;
    bool isVirtual() const override { return false; }
    void advanceTo(NSTimeInterval) override {}
};

class VirtualClock final : public Clock {
  public:
    // 2026-01-01 00:00:00 UTC: a fixed, plausible date for reproducible runs.
    static constexpr NSTimeInterval kDefaultStart = 788918400;

    explicit VirtualClock(NSTimeInterval start = kDefaultStart);
    NSTimeInterval now() const override;
    bool isVirtual() const override { return true; }
    // Moves forward only; an earlier time is ignored.
    void advanceTo(NSTimeInterval time) override;
    void advanceBy(NSTimeInterval seconds) { advanceTo(now() + seconds); }

  private:
    std::atomic<NSTimeInterval> now_;
};

// The platform's date: `NSDate::now()` reads the current clock.
namespace NSDate {
inline NSTimeInterval now() {
    return Clock::current().now();
}
}  // namespace NSDate
