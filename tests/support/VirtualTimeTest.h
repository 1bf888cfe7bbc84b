#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"

// A test on virtual time: timers, animations and delayed work happen exactly when the test
// advances the clock.
class VirtualTimeTest : public testing::Test {
protected:
    VirtualTimeTest() : clock_(std::make_shared<VirtualClock>()) { Clock::setCurrent(clock_); }
    ~VirtualTimeTest() override { Clock::setCurrent(std::make_shared<RealClock>()); }

    // Seconds since the test began.
    double elapsed() const { return clock_->now() - VirtualClock::kDefaultStart; }
    // Runs the main run loop until `seconds` from now.
    void advance(double seconds) { NSRunLoop::mainRunLoop().runUntilDate(clock_->now() + seconds); }
    // Ends the current run-loop turn (and with it the turn's transaction).
    void endTurn() { NSRunLoop::mainRunLoop().runOneTurn(); }

    std::shared_ptr<VirtualClock> clock_;
};
