#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <thread>
#include <vector>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/KeyValueObservable.h"
#include "platform/foundation/NSAssertionHandler.h"
#include "platform/foundation/NSCache.h"
#include "platform/foundation/NSNotificationCenter.h"
#include "platform/foundation/NSOperation.h"

namespace {

class Progress : public KeyValueObservable {
  public:
    void setProgress(float value) {
        progress_ = value;
        didChangeValueForKey("progress", value);
    }
    void setLabel(std::string label) { didChangeValueForKey("labelText", std::move(label)); }

  private:
    float progress_ = 0;
};

class SlowOperation : public NSOperation {
  public:
    void main() override {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        result = 42;
    }
    std::atomic<int> result{0};
};

}  // namespace

TEST(KeyValueObservingTest, ObserversHearNewValuesOnTheChangingThreadUntilUnsubscribed) {
    Progress progress;
    std::vector<float> seen;
    std::thread::id deliveredOn;
    Subscription subscription = progress.addObserver_forKeyPath(
        "progress", [&](std::string_view key, const std::any& value) {
            EXPECT_EQ(key, "progress");
            seen.push_back(std::any_cast<float>(value));
            deliveredOn = std::this_thread::get_id();
        });
    progress.setLabel("other key");
    std::thread worker([&] { progress.setProgress(0.5f); });
    const auto workerId = worker.get_id();
    worker.join();
    EXPECT_EQ(seen, std::vector<float>{0.5f});
    EXPECT_EQ(deliveredOn, workerId);

    subscription.reset();
    progress.setProgress(1.0f);
    EXPECT_EQ(seen.size(), 1u);
}

TEST(KeyValueObservingTest, SubscriptionMayOutliveTheObservedObject) {
    Subscription subscription;
    {
        Progress progress;
        subscription =
            progress.addObserver_forKeyPath("progress", [](std::string_view, const std::any&) {});
    }
    subscription.reset();
    SUCCEED();
}

TEST(NotificationCenterTest, ObserversFilterBySenderAndEndWithTheirSubscription) {
    NSNotificationCenter& center = NSNotificationCenter::defaultCenter();
    int sender = 0, otherSender = 0;
    int anySender = 0, thisSender = 0;
    auto all = center.addObserverForName("orientation", nullptr,
                                         [&](const NSNotification&) { ++anySender; });
    {
        auto one = center.addObserverForName("orientation", &sender,
                                             [&](const NSNotification&) { ++thisSender; });
        center.postNotificationName("orientation", &sender);
        center.postNotificationName("orientation", &otherSender);
        center.postNotificationName("something else", &sender);
    }
    center.postNotificationName("orientation", &sender);
    EXPECT_EQ(anySender, 3);
    EXPECT_EQ(thisSender, 1);
}

TEST(CacheTest, EvictsLeastRecentlyUsedOverLimitsAndEverythingUnderMemoryPressure) {
    NSCache<std::string> cache;
    cache.setTotalCostLimit(1000);
    cache.setObject_forKey_cost(std::make_shared<std::string>("a"), "600.0-22.0", 600);
    cache.setObject_forKey_cost(std::make_shared<std::string>("b"), "300.0-11.0", 300);
    ASSERT_NE(cache.objectForKey("600.0-22.0"), nullptr);  // now the most recently used
    cache.setObject_forKey_cost(std::make_shared<std::string>("c"), "200.0-11.0", 200);
    EXPECT_EQ(cache.objectForKey("300.0-11.0"), nullptr) << "the least recently used entry went";
    EXPECT_EQ(*cache.objectForKey("600.0-22.0"), "a");
    EXPECT_EQ(cache.count(), 2u);

    NSCache<std::string> unlimited;
    unlimited.setObject_forKey_cost(std::make_shared<std::string>("x"), "k", 1'000'000);
    NSNotificationCenter::defaultCenter().postNotificationName(
        std::string(kMemoryPressureNotification));
    EXPECT_EQ(cache.count(), 0u);
    EXPECT_EQ(unlimited.count(), 0u);
}

TEST(CacheTest, ConcurrentUseIsSafe) {
    NSCache<int> cache;
    cache.setCountLimit(16);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&cache, t] {
            for (int i = 0; i < 2000; ++i) {
                std::string key = std::to_string((i * 7 + t) % 40);
                if (auto value = cache.objectForKey(key)) {
                    EXPECT_GE(*value, 0);
                }
                cache.setObject_forKey(std::make_shared<int>(i), key);
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_LE(cache.count(), 16u);
}

TEST(DispatchTest, SerialQueueRunsItsWorkInOrderOneAtATime) {
    auto queue = DispatchQueue::createSerial("test.serial");
    std::vector<int> order;
    std::atomic<int> running{0};
    bool overlapped = false;
    for (int i = 0; i < 50; ++i) {
        queue->async([&, i] {
            overlapped = overlapped || running.fetch_add(1) != 0;
            order.push_back(i);
            running.fetch_sub(1);
        });
    }
    queue->sync([] {});
    EXPECT_FALSE(overlapped);
    ASSERT_EQ(order.size(), 50u);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
}

TEST(DispatchTest, WaitingOnTheQueueYouRunOnIsRefused) {
    auto queue = DispatchQueue::createSerial("test.self");
    std::promise<bool> refused;
    queue->async([&] {
        try {
            queue->sync([] {});
            refused.set_value(false);
        } catch (const AssertionFailure&) {
            refused.set_value(true);
        }
    });
    EXPECT_TRUE(refused.get_future().get());
    EXPECT_THROW(DispatchQueue::main().sync([] {}), AssertionFailure);
}

TEST(OperationQueueTest, WaitersBlockUntilTheOperationHasRun) {
    NSOperationQueue queue;
    auto operation = std::make_shared<SlowOperation>();
    EXPECT_FALSE(operation->isFinished());
    queue.addOperation(operation);
    std::vector<std::thread> waiters;
    std::atomic<int> sawResult{0};
    for (int i = 0; i < 3; ++i) {
        waiters.emplace_back([&] {
            operation->waitUntilFinished();
            if (operation->result == 42)
                ++sawResult;
        });
    }
    for (auto& waiter : waiters)
        waiter.join();
    EXPECT_EQ(sawResult, 3);
    EXPECT_TRUE(operation->isFinished());
    EXPECT_FALSE(operation->isExecuting());
}
