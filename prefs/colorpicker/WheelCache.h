#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class ImageBitmapRep;
class WheelGenerateOperation;

// The store behind the colour wheel view's class operations, in pixels. Each wheel is rendered
// once by a WheelGenerateOperation on a background operation queue and kept, operation and all,
// in a cache shared by every wheel view of the process under its pixel diameter and padding
// ("600.0-22.0"). A request for a wheel that is still being rendered waits for that rendering.
// Preparations run on a serial background queue. Safe to call from any thread but the operation
// queue's own.
class WheelCache {
public:
    // The wheel of a pixel diameter and padding; blocks until it exists. The diameter is rounded
    // to a whole number. Null when that is 0 or less, when it is beyond what a bitmap can hold, or
    // when the padding is not a number. Without caching the wheel is rendered for this caller
    // alone.
    static std::shared_ptr<ImageBitmapRep> bitmapForPixelDiameter_padding_shouldCache(
        double diameter, double padding, bool shouldCache);

    // Runs the task on the wheel queue, one at a time in submission order; waits for it unless
    // in the background.
    static void runOnWheelQueue(std::function<void()> task, bool inBackground);

    // "%.1f-%.1f" of the pixel diameter and padding.
    static std::string keyForPixelDiameter_padding(double diameter, double padding);
    static std::shared_ptr<WheelGenerateOperation> cachedOperationForKeyForTesting(
        std::string_view key);
};
