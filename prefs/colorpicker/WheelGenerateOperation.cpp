#include "prefs/colorpicker/WheelGenerateOperation.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

#include "platform/foundation/NSAssertionHandler.h"
#include "prefs/bitmap/ImageBitmapRep.h"
#include "prefs/colorpicker/VectorMath.h"
#include "prefs/colorpicker/WheelPixels.h"

namespace {

struct WillGenerateHook {
    std::mutex mutex;
    std::function<void(const WheelGenerateOperation&)> call;
};

WillGenerateHook& willGenerate() {
    // Never destroyed: wheels may still be rendering on queue threads while the process exits.
    static auto* hook = new WillGenerateHook;
    return *hook;
}

void notifyWillGenerate(const WheelGenerateOperation& operation) {
    std::function<void(const WheelGenerateOperation&)> call;
    {
        std::lock_guard lock(willGenerate().mutex);
        call = willGenerate().call;
    }
    if (call) call(operation);
}

}  // namespace

WheelGenerateOperation::WheelGenerateOperation(double diameter, double padding)
    : diameter_(diameter), padding_(padding) {
    NSAssert(diameter >= 1 && std::trunc(diameter) == diameter,
             "The wheel's diameter must be a whole number of pixels.");
    NSAssert(std::isfinite(padding), "The wheel's padding must be a number.");
}

std::shared_ptr<ImageBitmapRep> WheelGenerateOperation::bitmap() const {
    std::lock_guard lock(bitmapMutex_);
    return bitmap_;
}

void WheelGenerateOperation::setBitmap(std::shared_ptr<ImageBitmapRep> bitmap) {
    std::lock_guard lock(bitmapMutex_);
    bitmap_.swap(bitmap);
}

void WheelGenerateOperation::setWillGenerateHookForTesting(
    std::function<void(const WheelGenerateOperation&)> hook) {
    std::lock_guard lock(willGenerate().mutex);
    willGenerate().call = std::move(hook);
}

void WheelGenerateOperation::main() {
    notifyWillGenerate(*this);
    const auto size = static_cast<int64_t>(diameter_);
    auto rep = ImageBitmapRep::initWithSize(BMPointMake(size, size));
    auto* bytes = rep ? static_cast<uint8_t*>(CGBitmapContextGetData(rep->context())) : nullptr;
    if (!bytes) return;
    const size_t bytesPerRow = CGBitmapContextGetBytesPerRow(rep->context());

    // Offsets from the centre are taken at pixel corners: the pixel at the centre has offset 0.
    // The work goes a row at a time, whose x offsets are the same for every row and whose y
    // offset is constant, so the work arrays stay small and in cache. Row count − row has the
    // opposite y offset: the same saturation and the hue mirrored about red, which is the same
    // colour with green and blue exchanged, so it is copied rather than computed.
    const double centre = diameter_ * 0.5;
    const double usableRadius = centre - padding_;
    const auto count = static_cast<size_t>(size);
    std::vector<float> x(count), y(count), angle(count), distance(count);
    for (size_t i = 0; i < count; ++i) x[i] = static_cast<float>(static_cast<double>(i) - centre);
    const int n = static_cast<int>(count);
    for (size_t row = 0; row <= count / 2; ++row) {
        std::fill(y.begin(), y.end(), static_cast<float>(centre - static_cast<double>(row)));
        vvatan2f(angle.data(), y.data(), x.data(), &n);
        vDSP_vdist(x.data(), 1, y.data(), 1, distance.data(), 1, count);
        uint8_t* pixels = bytes + row * bytesPerRow;
        StoreWheelPixels(angle.data(), distance.data(), count, usableRadius, pixels);
        const size_t mirror = count - row;
        if (mirror > row && mirror < count)
            CopyExchangingGreenAndBlue(pixels, count, bytes + mirror * bytesPerRow);
    }
    rep->setNeedsUpdate(true);
    setBitmap(std::move(rep));
}
