#include "platform/ui/layers/detail/PixmanImages.h"

#include <algorithm>
#include <cmath>

namespace detail {

namespace {

uint16_t channel16(double value) {
    // n·257 >> 8 == n: the composite sees exactly the rounded 8-bit value.
    return static_cast<uint16_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255) * 257);
}

bool isWhole(double value) {
    return value == std::floor(value) && std::fabs(value) < 1e9;
}

// pixman keeps matrices in 16.16 fixed point and steps (x', y', w) along each row in it too, so
// a perspective matrix (whose scale is free) is scaled to keep those sums well inside ±32768 over
// the area sampled, and as large as that allows for precision. `area` is relative to the
// placement.
bool setTransform(pixman_image_t* image, const Homography& deviceToSource, const IntRect& area) {
    constexpr double kLargestSum = 8192;
    double factor = 1;
    if (!deviceToSource.isAffine()) {
        double largest = 0;
        for (const double x : {area.x - 1.0, area.maxX() + 1.0}) {
            for (const double y : {area.y - 1.0, area.maxY() + 1.0}) {
                for (const auto& row : deviceToSource.m)
                    largest = std::max(largest, std::fabs(row[0] * x + row[1] * y + row[2]));
            }
        }
        if (!(largest > 0) || !std::isfinite(largest)) return false;
        factor = kLargestSum / largest;
    }
    pixman_f_transform f;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            f.m[row][column] = deviceToSource.m[row][column] * factor;
    }
    pixman_transform fixed;
    return pixman_transform_from_pixman_f_transform(&fixed, &f) &&
           pixman_image_set_transform(image, &fixed);
}

MappedSource placedAt(PixmanImage image, int x, int y) {
    pixman_image_t* raw = image.get();
    return {std::move(image), {raw, x, y}};
}

}  // namespace

PixmanImage wrapImage(const CGImage& image) {
    auto* pixels = const_cast<uint32_t*>(image.pixels().data());
    return PixmanImage(pixman_image_create_bits(
        image.isOpaque() ? PIXMAN_x8r8g8b8 : PIXMAN_a8r8g8b8, static_cast<int>(image.width()),
        static_cast<int>(image.height()), pixels, static_cast<int>(image.width() * 4)));
}

PixmanImage solidColor(const std::array<CGFloat, 4>& rgba, double opacity) {
    const double alpha = std::clamp(rgba[3], 0.0, 1.0) * std::clamp(opacity, 0.0, 1.0);
    const pixman_color_t color{channel16(rgba[0] * alpha), channel16(rgba[1] * alpha),
                               channel16(rgba[2] * alpha), channel16(alpha)};
    return PixmanImage(pixman_image_create_solid_fill(&color));
}

PixmanImage uniformCoverage(double opacity) {
    if (opacity >= 1) return nullptr;
    return solidColor({0, 0, 0, 1}, opacity);
}

MappedSource unmapped(PixmanImage image) {
    return placedAt(std::move(image), 0, 0);
}

MappedSource mapImage(PixmanImage image, const Homography& imageToDevice, EdgeMode edges,
                      const IntRect& area) {
    if (!image) return {};
    pixman_image_set_repeat(image.get(),
                            edges == EdgeMode::Tile ? PIXMAN_REPEAT_NORMAL : PIXMAN_REPEAT_PAD);
    const auto& m = imageToDevice.m;
    if (imageToDevice.isAxisAligned() && m[0][0] == 1 && m[1][1] == 1 && isWhole(m[0][2]) &&
        isWhole(m[1][2])) {
        return placedAt(std::move(image), static_cast<int>(m[0][2]), static_cast<int>(m[1][2]));
    }
    const auto deviceToImage = imageToDevice.inverted();
    if (!deviceToImage) return {};
    // Placed near where its origin lands, so that the matrix holds small numbers: fixed point
    // has no room for large translations next to small perspective terms.
    const CGPoint origin = imageToDevice.apply({0, 0});
    int x = 0, y = 0;
    if (imageToDevice.w({0, 0}) > 0 && std::fabs(origin.x) < 1e6 && std::fabs(origin.y) < 1e6) {
        x = static_cast<int>(std::lround(origin.x));
        y = static_cast<int>(std::lround(origin.y));
    }
    if (!setTransform(image.get(), *deviceToImage * Homography::translation(x, y),
                      area.translated(-x, -y)))
        return {};
    pixman_image_set_filter(image.get(), PIXMAN_FILTER_BILINEAR, nullptr, 0);
    return placedAt(std::move(image), x, y);
}

}  // namespace detail
