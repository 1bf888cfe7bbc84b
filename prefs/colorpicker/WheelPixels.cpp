#include "prefs/colorpicker/WheelPixels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "prefs/colorpicker/AVX2Kernels.h"
#include "prefs/colorpicker/CPUFeatures.h"
#include "prefs/colorpicker/ColorFunctions.h"

namespace {

// An opaque component as the bitmap stores it: round(c × 255 × alpha), halves away from zero.
uint8_t storedByte(double component) {
    return static_cast<uint8_t>(std::round(component * 255 * 1.0));
}

}  // namespace

void StoreWheelPixels(const float* angle, const float* distance, size_t count, double usableRadius,
                      uint8_t* argb) {
    if (CPUSupportsAVX2Kernels()) {
        storeWheelPixelsAVX2(angle, distance, count, usableRadius, argb);
    } else {
        StoreWheelPixelsScalar(angle, distance, count, usableRadius, argb);
    }
}

void StoreWheelPixelsScalar(const float* angle, const float* distance, size_t count,
                            double usableRadius, uint8_t* argb) {
    constexpr double kTwoPi = 2 * std::numbers::pi;
    for (size_t k = 0; k < count; ++k) {
        double a = angle[k];
        if (a < 0) a += kTwoPi;
        const double saturation =
            usableRadius == 0 ? 1 : std::min<double>(distance[k], usableRadius) / usableRadius;
        const BMPixel pixel = PixelFromHSV(a / kTwoPi, saturation, 1.0);
        uint8_t* out = argb + 4 * k;
        out[0] = 255;
        out[1] = storedByte(pixel.red);
        out[2] = storedByte(pixel.green);
        out[3] = storedByte(pixel.blue);
    }
}

void CopyExchangingGreenAndBlue(const uint8_t* argb, size_t count, uint8_t* mirrored) {
    for (size_t k = 0; k < 4 * count; k += 4) {
        mirrored[k] = argb[k];
        mirrored[k + 1] = argb[k + 1];
        mirrored[k + 2] = argb[k + 3];
        mirrored[k + 3] = argb[k + 2];
    }
}
