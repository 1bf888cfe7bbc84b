#pragma once

#include <memory>
#include <string>
#include <string_view>

class ImageBitmapRep;
class WheelGenerateOperation;

// The colour wheel view's class-wide wheels. Each wheel is rendered once by a
// WheelGenerateOperation on a background operation queue and kept, operation and all, in a cache
// shared by every wheel view of the process under its pixel diameter and padding ("600.0-22.0"
// for 300 points at scale 2 with the view's 11-point padding). A request for a wheel that is
// still being rendered waits for that rendering. Hosts can warm the cache ahead of time on a
// serial background queue. Safe to call from any thread but the operation queue's own.
class WheelCache {
  public:
    // The wheel view's padding, in points.
    static constexpr double kPadding = 11;

    // The wheel for a diameter and padding in points at a scale (pixels per point); blocks until
    // it exists. The pixel diameter is rounded to a whole number. Null when that is 0 or less,
    // when it is beyond what a bitmap can hold, or when the padding is not a number. Without
    // caching the wheel is rendered for this caller alone.
    static std::shared_ptr<ImageBitmapRep> bitmapForDiameter_scale_padding_shouldCache(
        double diameter, double scale, double padding, bool shouldCache);

    // Renders into the cache on the wheel queue, one request at a time in submission order;
    // waits for it unless in the background.
    static void prepareForDiameter_scale_padding_inBackground(double diameter, double scale,
                                                              double padding, bool inBackground);
    // The shorter forms prepare in the background, by default at scale 1 with the view's padding:
    // a host on a 2× screen must pass the scale to warm the wheel the view will ask for.
    static void prepareForDiameter_scale_padding(double diameter, double scale, double padding);
    static void prepareForDiameter_scale(double diameter, double scale);
    static void prepareForDiameter_padding(double diameter, double padding);
    static void prepareForDiameter(double diameter);

    // "%.1f-%.1f" of the pixel diameter and padding.
    static std::string keyForPixelDiameter_padding(double diameter, double padding);
    static std::shared_ptr<WheelGenerateOperation> cachedOperationForKeyForTesting(
        std::string_view key);
};
