#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/foundation/NSNotificationCenter.h"
#include "prefs/bitmap/ImageBitmapRep.h"
#include "prefs/colorpicker/ColorPickerView.h"
#include "prefs/colorpicker/WheelCache.h"
#include "prefs/colorpicker/WheelGenerateOperation.h"

namespace {

// Starts every test with an empty cache and counts the wheels rendered.
class WheelCacheTest : public testing::Test {
protected:
    void SetUp() override {
        NSNotificationCenter::defaultCenter().postNotificationName(
            std::string(kMemoryPressureNotification));
        WheelGenerateOperation::setWillGenerateHookForTesting(
            [this](const WheelGenerateOperation& operation) {
                std::lock_guard lock(mutex_);
                rendered_.push_back(WheelCache::keyForPixelDiameter_padding(operation.diameter(),
                                                                            operation.padding()));
            });
    }
    void TearDown() override { WheelGenerateOperation::setWillGenerateHookForTesting({}); }

    std::vector<std::string> rendered() {
        std::lock_guard lock(mutex_);
        return rendered_;
    }

    // The wheel queue is serial: a synchronous request that renders nothing waits for all before
    // it.
    static void waitForPreparations() {
        ColorPickerView::prepareForDiameter_scale_padding_inBackground(0, 1, 0, false);
    }

    std::mutex mutex_;
    std::vector<std::string> rendered_;
};

}  // namespace

TEST_F(WheelCacheTest, RequestsOfOnePixelSizeShareOneEntry) {
    const auto first =
        ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(300, 2, 11, true);
    const auto second =
        ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(300, 2, 11, true);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->bitmapSize(), BMPointMake(600, 600));
    EXPECT_EQ(second, first);
    // Points times scale: a 600-point wheel at scale 1 with 22 points of padding is the same wheel.
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(600, 1, 22, true),
              first);
    EXPECT_EQ(rendered(), std::vector<std::string>{"600.0-22.0"});

    const auto entry = WheelCache::cachedOperationForKeyForTesting("600.0-22.0");
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isFinished());
    EXPECT_EQ(entry->bitmap(), first);
}

TEST_F(WheelCacheTest, ShortPrepareFormsWarmOneXWheels) {
    ColorPickerView::prepareForDiameter(300);
    ColorPickerView::prepareForDiameter_padding(100, 5);
    ColorPickerView::prepareForDiameter_scale(100, 3);
    ColorPickerView::prepareForDiameter_scale_padding(100, 2, 4);
    waitForPreparations();
    EXPECT_EQ(rendered(),
              (std::vector<std::string>{"300.0-11.0", "100.0-5.0", "300.0-33.0", "200.0-8.0"}));
    EXPECT_NE(WheelCache::cachedOperationForKeyForTesting("300.0-11.0"), nullptr);

    // A 2× view still renders its own wheel.
    ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(300, 2, 11, true);
    EXPECT_EQ(rendered().back(), "600.0-22.0");
    EXPECT_EQ(rendered().size(), 5u);
}

TEST_F(WheelCacheTest, PreparingSynchronouslyWaitsForTheEntry) {
    ColorPickerView::prepareForDiameter_scale_padding_inBackground(40, 2, 11, false);
    const auto entry = WheelCache::cachedOperationForKeyForTesting("80.0-22.0");
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isFinished());
}

TEST_F(WheelCacheTest, NothingToDrawTouchesNothing) {
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(0, 2, 11, true),
              nullptr);
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(300, 0, 11, true),
              nullptr);
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(-300, 2, 11, true),
              nullptr);
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(0.2, 2, 11, true),
              nullptr);
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(NAN, 2, 11, true),
              nullptr);
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(INFINITY, 2, 11, true),
              nullptr);
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(300, 2, NAN, true),
              nullptr);
    // Beyond what a bitmap's 32-bit byte count can hold.
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(12000, 2, 11, true),
              nullptr);
    EXPECT_TRUE(rendered().empty());
    EXPECT_EQ(WheelCache::cachedOperationForKeyForTesting("0.0-22.0"), nullptr);
}

TEST_F(WheelCacheTest, FractionalPixelDiametersRoundToTheNearestWholeWheel) {
    const auto wheel =
        ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(150.3, 2, 11, true);
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(wheel->bitmapSize(), BMPointMake(301, 301));
    EXPECT_EQ(ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(150.4, 2, 11, true),
              wheel);
    EXPECT_EQ(rendered(), std::vector<std::string>{"301.0-22.0"});
}

TEST_F(WheelCacheTest, WithoutCachingEveryRequestRenders) {
    const auto first =
        ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(50, 2, 11, false);
    const auto second =
        ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(50, 2, 11, false);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(rendered().size(), 2u);
    EXPECT_EQ(WheelCache::cachedOperationForKeyForTesting("100.0-22.0"), nullptr);
}

TEST_F(WheelCacheTest, MemoryPressureEvictsAndTheNextRequestRendersAgain) {
    const auto first =
        ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(50, 2, 11, true);
    NSNotificationCenter::defaultCenter().postNotificationName(
        std::string(kMemoryPressureNotification));
    EXPECT_EQ(WheelCache::cachedOperationForKeyForTesting("100.0-22.0"), nullptr);
    const auto second =
        ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(50, 2, 11, true);
    EXPECT_NE(second, first);
    EXPECT_EQ(rendered().size(), 2u);
}

TEST_F(WheelCacheTest, ARequestDuringAPreparationWaitsForIt) {
    std::promise<void> started, release;
    std::shared_future<void> released = release.get_future().share();
    WheelGenerateOperation::setWillGenerateHookForTesting(
        [&, released](const WheelGenerateOperation&) {
            std::lock_guard lock(mutex_);
            rendered_.push_back("held");
            started.set_value();
            released.wait();
        });

    ColorPickerView::prepareForDiameter_scale(300, 2);
    started.get_future().wait();
    const auto entry = WheelCache::cachedOperationForKeyForTesting("600.0-22.0");
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isExecuting());

    auto request = std::async(std::launch::async, [] {
        return ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(300, 2, 11, true);
    });
    EXPECT_EQ(request.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    release.set_value();
    const auto wheel = request.get();
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(wheel, entry->bitmap());
    EXPECT_TRUE(entry->isFinished());
    EXPECT_EQ(rendered().size(), 1u);
}

// Many threads asking at once, for the thread sanitizer: every caller gets a whole wheel of its
// size, and a key asked for only after its entry exists is never rendered twice.
TEST_F(WheelCacheTest, ConcurrentRequestsAndPreparations) {
    ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(60, 2, 11, true);
    std::vector<std::future<std::shared_ptr<ImageBitmapRep>>> requests;
    for (int i = 0; i < 8; ++i) {
        ColorPickerView::prepareForDiameter_scale(30 + i % 3, 2);
        requests.push_back(std::async(std::launch::async, [i] {
            return ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(i % 2 ? 60 : 45, 2,
                                                                                11, i % 4 != 0);
        }));
    }
    std::shared_ptr<ImageBitmapRep> shared;
    for (int i = 0; i < 8; ++i) {
        const auto wheel = requests[static_cast<size_t>(i)].get();
        ASSERT_NE(wheel, nullptr);
        EXPECT_EQ(wheel->bitmapSize(), i % 2 ? BMPointMake(120, 120) : BMPointMake(90, 90));
        if (i % 2) {
            if (!shared) shared = wheel;
            EXPECT_EQ(wheel, shared);
        }
    }
    waitForPreparations();
    const auto renders = rendered();
    EXPECT_EQ(std::count(renders.begin(), renders.end(), "120.0-22.0"), 1);
}
