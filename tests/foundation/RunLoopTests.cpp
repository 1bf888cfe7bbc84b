#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <thread>
#include <vector>

#include "platform/foundation/DelayedPerform.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/foundation/NSThread.h"
#include "platform/foundation/NSTimer.h"
#include "platform/runtime/NSObject.h"

namespace {

class RunLoopTest : public testing::Test {
  protected:
    RunLoopTest() : clock_(std::make_shared<VirtualClock>()) { Clock::setCurrent(clock_); }
    ~RunLoopTest() override { Clock::setCurrent(std::make_shared<RealClock>()); }

    NSTimeInterval elapsed() const { return clock_->now() - VirtualClock::kDefaultStart; }
    void runFor(NSTimeInterval seconds) {
        NSRunLoop::mainRunLoop().runUntilDate(clock_->now() + seconds);
    }

    std::shared_ptr<VirtualClock> clock_;
};

class Target : public NSObject {};

}  // namespace

TEST_F(RunLoopTest, TimersFireInDateOrderAtTheirVirtualTimes) {
    std::vector<std::pair<int, NSTimeInterval>> fired;
    auto late = NSTimer::scheduledTimerWithTimeInterval(
        0.8, [&](NSTimer&) { fired.emplace_back(2, elapsed()); });
    auto early = NSTimer::scheduledTimerWithTimeInterval(
        0.3, [&](NSTimer&) { fired.emplace_back(1, elapsed()); });
    auto cancelled = NSTimer::scheduledTimerWithTimeInterval(
        0.5, [&](NSTimer&) { fired.emplace_back(3, elapsed()); });
    cancelled->invalidate();

    runFor(0.5);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_NEAR(fired[0].second, 0.3, 1e-6);
    EXPECT_FALSE(early->isValid());
    EXPECT_TRUE(late->isValid());

    runFor(1.0);
    ASSERT_EQ(fired.size(), 2u);
    EXPECT_EQ(fired[1].first, 2);
    EXPECT_NEAR(fired[1].second, 0.8, 1e-6);
    EXPECT_NEAR(elapsed(), 1.5, 1e-6) << "running until a date leaves the clock at that date";
}

TEST_F(RunLoopTest, TimerScheduledDuringATurnWaitsForTheNextTurn) {
    int fired = 0;
    auto outer = NSTimer::scheduledTimerWithTimeInterval(0, [&](NSTimer&) {
        NSTimer::scheduledTimerWithTimeInterval(0, [&](NSTimer&) { ++fired; });
    });
    NSRunLoop::mainRunLoop().runOneTurn();
    EXPECT_EQ(fired, 0);
    NSRunLoop::mainRunLoop().runOneTurn();
    EXPECT_EQ(fired, 1);
}

TEST_F(RunLoopTest, DelayedPerformsKeepTheirTargetAndCancelPerTarget) {
    auto target = std::make_shared<Target>();
    auto other = std::make_shared<Target>();
    std::weak_ptr<Target> weakTarget = target;
    std::vector<std::string> ran;
    performAfterDelay(target, 0.7, [&] { ran.push_back("target-late"); });
    performAfterDelay(target, 0.2, [&] { ran.push_back("target-early"); });
    performAfterDelay(other, 0.7, [&] { ran.push_back("other"); });
    target.reset();
    EXPECT_FALSE(weakTarget.expired()) << "a pending request keeps its target alive";

    runFor(0.3);
    EXPECT_EQ(ran, std::vector<std::string>{"target-early"});
    cancelPreviousPerformRequestsWithTarget(weakTarget.lock().get());
    EXPECT_TRUE(weakTarget.expired()) << "cancelling releases the target";

    runFor(1.0);
    EXPECT_EQ(ran, (std::vector<std::string>{"target-early", "other"}));
}

TEST_F(RunLoopTest, EndOfTurnTasksRunAfterTheTurnsOtherWork) {
    std::vector<std::string> order;
    auto& loop = NSRunLoop::mainRunLoop();
    DispatchQueue::main().async([&] {
        loop.performAtEndOfTurn([&] {
            order.push_back("end");
            loop.performAtEndOfTurn([&] { order.push_back("end-again"); });
        });
        order.push_back("task");
    });
    auto timer =
        NSTimer::scheduledTimerWithTimeInterval(0, [&](NSTimer&) { order.push_back("timer"); });
    loop.runOneTurn();
    EXPECT_EQ(order, (std::vector<std::string>{"task", "timer", "end", "end-again"}));
}

TEST_F(RunLoopTest, WorkPostedFromOtherThreadsRunsOnTheMainThreadInOrder) {
    std::vector<int> received;
    bool allOnMain = true;
    std::thread poster([&] {
        for (int i = 0; i < 100; ++i) {
            DispatchQueue::main().async([&, i] {
                allOnMain = allOnMain && NSThread::isMainThread();
                received.push_back(i);
            });
        }
    });
    poster.join();
    NSRunLoop::mainRunLoop().runOneTurn();
    ASSERT_EQ(received.size(), 100u);
    EXPECT_TRUE(std::is_sorted(received.begin(), received.end()));
    EXPECT_TRUE(allOnMain);
}

TEST_F(RunLoopTest, StopEndsARunThatHasNothingToDo) {
    std::thread stopper(
        [] { DispatchQueue::main().async([] { NSRunLoop::mainRunLoop().stop(); }); });
    NSRunLoop::mainRunLoop().runUntilDate(std::numeric_limits<double>::infinity());
    stopper.join();
    SUCCEED();
}
