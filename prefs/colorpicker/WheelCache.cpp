#include "prefs/colorpicker/WheelCache.h"

#include <cmath>
#include <cstdio>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSCache.h"
#include "platform/foundation/NSOperation.h"
#include "prefs/colorpicker/WheelGenerateOperation.h"

namespace {

// The largest bitmap side whose byte count the bitmap toolkit's 32-bit arithmetic can hold.
constexpr double kLargestDiameter = 23170;

struct SharedWheels {
    // No count or cost limit: entries go only under memory pressure.
    NSCache<WheelGenerateOperation> cache;
    NSOperationQueue generationQueue;
    std::shared_ptr<DispatchQueue> wheelQueue = DispatchQueue::createSerial("wheel-queue");
};

SharedWheels& sharedWheels() {
    // Never destroyed: queued preparations may still run while the process exits.
    static SharedWheels* wheels = new SharedWheels;
    return *wheels;
}

}  // namespace

std::string WheelCache::keyForPixelDiameter_padding(double diameter, double padding) {
    const int length = std::snprintf(nullptr, 0, "%.1f-%.1f", diameter, padding);
    std::string key(static_cast<size_t>(length), '\0');
    std::snprintf(key.data(), key.size() + 1, "%.1f-%.1f", diameter, padding);
    return key;
}

std::shared_ptr<ImageBitmapRep> WheelCache::bitmapForPixelDiameter_padding_shouldCache(
    double diameter, double padding, bool shouldCache) {
    // A fractional pixel diameter would leave the wheel's last row and column half covered: the
    // nearest whole size is drawn instead, and shared with requests that round to it.
    const double pixelDiameter = std::round(diameter);
    if (!(pixelDiameter > 0) || pixelDiameter > kLargestDiameter || !std::isfinite(padding))
        return nullptr;

    SharedWheels& wheels = sharedWheels();
    const std::string key = keyForPixelDiameter_padding(pixelDiameter, padding);
    if (const auto cached = wheels.cache.objectForKey(key)) {
        if (!cached->isFinished()) cached->waitUntilFinished();
        return cached->bitmap();
    }
    const auto operation =
        WheelGenerateOperation::initWithDiameter_andPadding(pixelDiameter, padding);
    // Cached before it runs, so that later requests find it and wait for it.
    if (shouldCache)
        wheels.cache.setObject_forKey_cost(operation, key, static_cast<size_t>(pixelDiameter));
    wheels.generationQueue.addOperation(operation);
    operation->waitUntilFinished();
    return operation->bitmap();
}

void WheelCache::runOnWheelQueue(std::function<void()> task, bool inBackground) {
    DispatchQueue& queue = *sharedWheels().wheelQueue;
    if (inBackground) {
        queue.async(std::move(task));
    } else {
        queue.sync(std::move(task));
    }
}

std::shared_ptr<WheelGenerateOperation> WheelCache::cachedOperationForKeyForTesting(
    std::string_view key) {
    return sharedWheels().cache.objectForKey(key);
}
