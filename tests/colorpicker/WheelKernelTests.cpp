#include <gtest/gtest.h>
#include <sleef.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <random>
#include <vector>

#include "prefs/bitmap/ImageBitmapRep.h"
#include "prefs/colorpicker/AVX2Kernels.h"
#include "prefs/colorpicker/CPUFeatures.h"
#include "prefs/colorpicker/ColorFunctions.h"
#include "prefs/colorpicker/VectorMath.h"
#include "prefs/colorpicker/WheelPixels.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Angles and distances as a wheel produces them, plus the awkward ones: sector boundaries as
// floats, the negative zero, both ends of atan2's range, the centre and the rim.
struct PolarSamples {
    std::vector<float> angle, distance;
};

PolarSamples polarSamples(size_t randomCount, double radius) {
    const auto reach = static_cast<float>(std::max(std::abs(radius), 1.0));
    PolarSamples s;
    for (int k = -3; k <= 3; ++k) {
        for (const float d : {0.0f, 1.0f, reach * 0.5f, reach, reach + 1}) {
            s.angle.push_back(static_cast<float>(k * kPi / 3));
            s.distance.push_back(d);
        }
    }
    s.angle.insert(s.angle.end(), {-0.0f, std::nextafter(0.0f, -1.0f), static_cast<float>(kPi),
                                   -static_cast<float>(kPi)});
    s.distance.insert(s.distance.end(), {3, 3, 3, 3});
    std::mt19937 random(7);
    std::uniform_real_distribution<float> angle(-kPi, kPi), distance(0, 1.5f * reach);
    for (size_t i = 0; i < randomCount; ++i) {
        s.angle.push_back(angle(random));
        s.distance.push_back(distance(random));
    }
    return s;
}

std::vector<uint8_t> scalarBytes(const PolarSamples& s, size_t count, double radius) {
    std::vector<uint8_t> bytes(count * 4);
    StoreWheelPixelsScalar(s.angle.data(), s.distance.data(), count, radius, bytes.data());
    return bytes;
}

}  // namespace

// The fast store must leave exactly what the bitmap's own pixel setter would.
TEST(WheelPixels, StoreTheBytesOfSetPixel) {
    const double radius = 278;
    const PolarSamples s = polarSamples(2000, radius);
    const size_t count = s.angle.size();
    const auto rep = ImageBitmapRep::initWithSize(BMPointMake(static_cast<int64_t>(count), 1));
    for (size_t k = 0; k < count; ++k) {
        double a = s.angle[k];
        if (a < 0) a += 2 * kPi;
        const double saturation = std::min<double>(s.distance[k], radius) / radius;
        rep->setPixel_atPoint(PixelFromHSV(a / (2 * kPi), saturation, 1.0),
                              BMPointMake(static_cast<int64_t>(k), 0));
    }
    const auto* expected = static_cast<const uint8_t*>(CGBitmapContextGetData(rep->context()));
    const auto bytes = scalarBytes(s, count, radius);
    EXPECT_EQ(std::memcmp(bytes.data(), expected, bytes.size()), 0);

    std::vector<uint8_t> best(count * 4);
    StoreWheelPixels(s.angle.data(), s.distance.data(), count, radius, best.data());
    EXPECT_EQ(best, bytes);
}

TEST(WheelPixels, VectorPathMatchesTheScalarOneIncludingTails) {
    if (!CPUSupportsAVX2Kernels()) GTEST_SKIP() << "no AVX2 on this CPU";
    for (const double radius : {278.0, 0.5, 0.0, -12.0}) {
        const PolarSamples s = polarSamples(1003, radius);
        for (const size_t count : {s.angle.size(), size_t{1}, size_t{7}, size_t{8}, size_t{13}}) {
            std::vector<uint8_t> vector(count * 4 + 4, 0xAB);
            storeWheelPixelsAVX2(s.angle.data(), s.distance.data(), count, radius, vector.data());
            std::vector<uint8_t> expected = scalarBytes(s, count, radius);
            expected.insert(expected.end(), 4, 0xAB);  // nothing written past the end
            EXPECT_EQ(vector, expected) << "radius " << radius << ", " << count << " pixels";
        }
    }
}

TEST(WheelPixels, WithoutAUsableRadiusEverythingIsSaturated) {
    const float angle[] = {0, static_cast<float>(kPi / 2)};
    const float distance[] = {0, 5};
    uint8_t bytes[8];
    StoreWheelPixels(angle, distance, 2, 0, bytes);
    EXPECT_EQ((std::vector<uint8_t>(bytes, bytes + 4)), (std::vector<uint8_t>{255, 255, 0, 0}));
    StoreWheelPixels(angle, distance, 2, -3, bytes);
    EXPECT_EQ((std::vector<uint8_t>(bytes, bytes + 4)), (std::vector<uint8_t>{255, 255, 0, 0}));
}

TEST(VectorMath, AnglesWithinAnUlpAndExactDistances) {
    std::vector<float> x, y;
    for (int i = -40; i <= 40; ++i) {
        for (int j = -37; j <= 37; j += 3) {
            x.push_back(i * 7.5f);
            y.push_back(j * 1.25f);
        }
    }
    const int n = static_cast<int>(x.size());
    std::vector<float> angle(x.size()), distance(x.size());
    vvatan2f(angle.data(), y.data(), x.data(), &n);
    vDSP_vdist(x.data(), 1, y.data(), 1, distance.data(), 1, x.size());
    for (size_t k = 0; k < x.size(); ++k) {
        const float expected = std::atan2(y[k], x[k]);
        EXPECT_LE(std::abs(angle[k] - expected),
                  std::abs(std::nextafter(expected, 4.0f) - expected))
            << x[k] << "," << y[k];
        ASSERT_EQ(distance[k], std::sqrt(x[k] * x[k] + y[k] * y[k]));
    }

    // The wheel computes each row below the centre by negating the angles of the row above it,
    // which is exact only while atan2 is odd in y, on either path.
    std::vector<float> negatedY(y.size()), mirrored(y.size());
    for (size_t k = 0; k < y.size(); ++k) negatedY[k] = -y[k];
    vvatan2f(mirrored.data(), negatedY.data(), x.data(), &n);
    for (size_t k = 0; k < y.size(); ++k) {
        ASSERT_EQ(mirrored[k], -angle[k]) << x[k] << "," << y[k];
        ASSERT_EQ(Sleef_atan2f_u10(-y[k], x[k]), -Sleef_atan2f_u10(y[k], x[k]));
    }

    // Strided: every other element of each array.
    std::vector<float> strided(x.size());
    vDSP_vdist(x.data(), 2, y.data(), 2, strided.data(), 1, x.size() / 2);
    EXPECT_EQ(strided[3], distance[6]);
    const int none = 0, negative = -4;
    vvatan2f(angle.data(), y.data(), x.data(), &none);
    vvatan2f(angle.data(), y.data(), x.data(), &negative);
}
