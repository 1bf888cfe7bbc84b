#pragma once

#include <functional>
#include <memory>
#include <mutex>

#include "platform/foundation/NSOperation.h"

class ImageBitmapRep;

// Renders one colour wheel: a square bitmap whose pixels take the hue of their angle about the
// centre (red to the right, growing counter-clockwise) and the saturation of their distance from
// it, full at the usable radius (half the diameter less the padding) and beyond, at full
// brightness and opaque. Runs on the wheel cache's generation queue. The operation counts as
// executing until its bitmap is there and as finished from then on.
class WheelGenerateOperation : public NSOperation {
public:
    // The diameter is a whole number of pixels, at least 1, and the padding (pixels) a finite
    // number; anything else is a caller error.
    WheelGenerateOperation(double diameter, double padding);
    static std::shared_ptr<WheelGenerateOperation> initWithDiameter_andPadding(double diameter,
                                                                               double padding) {
        return std::make_shared<WheelGenerateOperation>(diameter, padding);
    }

    // Leaves the bitmap absent only when no bitmap of this size can be made.
    void main() override;

    double diameter() const { return diameter_; }
    double padding() const { return padding_; }
    // Read and written atomically: waiters on other threads read it once the wheel is done.
    std::shared_ptr<ImageBitmapRep> bitmap() const;
    void setBitmap(std::shared_ptr<ImageBitmapRep> bitmap);

    bool isConcurrent() const override { return true; }
    bool isExecuting() const override { return bitmap() == nullptr; }
    bool isFinished() const override { return bitmap() != nullptr; }

    // Called on the generating thread as each wheel starts, so tests can count generations and
    // hold one while it runs. An empty function removes it.
    static void setWillGenerateHookForTesting(
        std::function<void(const WheelGenerateOperation&)> hook);

private:
    const double diameter_;
    const double padding_;
    // A lock rather than std::atomic<std::shared_ptr>, whose lock bit the thread sanitizer can't
    // see.
    mutable std::mutex bitmapMutex_;
    std::shared_ptr<ImageBitmapRep> bitmap_;
};
