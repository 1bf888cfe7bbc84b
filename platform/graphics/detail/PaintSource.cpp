#include "platform/graphics/detail/PaintSource.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace detail {

namespace {

uint16_t channel16(CGFloat value) {
    // n·257 >> 8 == n: the composite sees exactly the rounded 8-bit value.
    return static_cast<uint16_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255) * 257);
}

bool setTransform(pixman_image_t* image, const CGAffineTransform& deviceToSource) {
    pixman_f_transform f;
    pixman_f_transform_init_identity(&f);
    f.m[0][0] = deviceToSource.a;
    f.m[0][1] = deviceToSource.c;
    f.m[0][2] = deviceToSource.tx;
    f.m[1][0] = deviceToSource.b;
    f.m[1][1] = deviceToSource.d;
    f.m[1][2] = deviceToSource.ty;
    pixman_transform fixed;
    if (!pixman_transform_from_pixman_f_transform(&fixed, &f))
        return false;
    return pixman_image_set_transform(image, &fixed);
}

bool isIntegerTranslation(const CGAffineTransform& t) {
    return t.a == 1 && t.b == 0 && t.c == 0 && t.d == 1 && t.tx == std::floor(t.tx) &&
           t.ty == std::floor(t.ty);
}

PixmanImage bitsOf(const CGImage& image) {
    // pixman only reads a source image, so the immutable pixels can be shared without a copy.
    auto* pixels = const_cast<uint32_t*>(image.pixels().data());
    return PixmanImage(pixman_image_create_bits(
        image.isOpaque() ? PIXMAN_x8r8g8b8 : PIXMAN_a8r8g8b8, static_cast<int>(image.width()),
        static_cast<int>(image.height()), pixels, static_cast<int>(image.width() * 4)));
}

PixmanImage transformed(PixmanImage image, const CGAffineTransform& deviceToSource) {
    if (!image || !setTransform(image.get(), deviceToSource))
        return nullptr;
    pixman_image_set_filter(
        image.get(),
        isIntegerTranslation(deviceToSource) ? PIXMAN_FILTER_NEAREST : PIXMAN_FILTER_BILINEAR,
        nullptr, 0);
    return image;
}

pixman_fixed_t fixed(CGFloat value) {
    return pixman_double_to_fixed(value);
}

}  // namespace

PixmanImage solidSource(const std::array<CGFloat, 4>& rgba) {
    const CGFloat alpha = rgba[3];
    const pixman_color_t color{channel16(rgba[0] * alpha), channel16(rgba[1] * alpha),
                               channel16(rgba[2] * alpha), channel16(alpha)};
    return PixmanImage(pixman_image_create_solid_fill(&color));
}

PixmanImage colorSource(const CGColor& color, CGFloat deviceScale) {
    if (const auto rgba = color.rgba())
        return solidSource(*rgba);
    const CGImage& tile = *color.patternImage();
    if (tile.width() == 0 || tile.height() == 0)
        return nullptr;
    const CGFloat pixelsPerDevicePixel = color.patternScale() / deviceScale;
    PixmanImage image = transformed(
        bitsOf(tile), CGAffineTransformMakeScale(pixelsPerDevicePixel, pixelsPerDevicePixel));
    if (image)
        pixman_image_set_repeat(image.get(), PIXMAN_REPEAT_NORMAL);
    return image;
}

PixmanImage imageSource(const CGImage& image, const CGAffineTransform& imageToDevice) {
    if (image.width() == 0 || image.height() == 0 ||
        !CGAffineTransformIsInvertible(imageToDevice)) {
        return nullptr;
    }
    PixmanImage source = transformed(bitsOf(image), CGAffineTransformInvert(imageToDevice));
    if (source)
        pixman_image_set_repeat(source.get(), PIXMAN_REPEAT_PAD);
    return source;
}

PixmanImage gradientSource(const CGGradient& gradient, GradientShape shape,
                           CGGradientDrawingOptions options, const CGAffineTransform& userToDevice,
                           CGFloat userExtent) {
    if (gradient.stops().empty() || !CGAffineTransformIsInvertible(userToDevice))
        return nullptr;
    const bool before = options & kCGGradientDrawsBeforeStartLocation;
    const bool after = options & kCGGradientDrawsAfterEndLocation;

    std::vector<CGGradient::Stop> stops = gradient.stops();
    // pixman extends both ends or neither. For one end, stretch the gradient far beyond the
    // drawing in that direction and squeeze the stops into the original part, so that the last
    // (or first) colour carries on to the edge while the other end stays transparent.
    if (before != after) {
        const CGFloat span = std::max(std::hypot(shape.endCentre.x - shape.startCentre.x,
                                                 shape.endCentre.y - shape.startCentre.y),
                                      std::abs(shape.endRadius - shape.startRadius));
        if (span == 0)
            return nullptr;
        CGFloat stretch = std::max(2.0, 2 * userExtent / span);
        const CGFloat radiusChange =
            after ? shape.endRadius - shape.startRadius : shape.startRadius - shape.endRadius;
        const CGFloat fixedRadius = after ? shape.startRadius : shape.endRadius;
        // Circles must not shrink below radius 0 along the stretched part.
        if (radiusChange < 0)
            stretch = std::min(stretch, fixedRadius / -radiusChange);
        if (stretch <= 1)
            stretch = 1;
        if (after) {
            shape.endCentre = {
                shape.startCentre.x + (shape.endCentre.x - shape.startCentre.x) * stretch,
                shape.startCentre.y + (shape.endCentre.y - shape.startCentre.y) * stretch};
            shape.endRadius = shape.startRadius + (shape.endRadius - shape.startRadius) * stretch;
            for (auto& stop : stops)
                stop.location /= stretch;
            stops.push_back({1.0, stops.back().rgba});
        } else {
            shape.startCentre = {
                shape.endCentre.x - (shape.endCentre.x - shape.startCentre.x) * stretch,
                shape.endCentre.y - (shape.endCentre.y - shape.startCentre.y) * stretch};
            shape.startRadius = shape.endRadius - (shape.endRadius - shape.startRadius) * stretch;
            for (auto& stop : stops)
                stop.location = 1 - (1 - stop.location) / stretch;
            stops.insert(stops.begin(), {0.0, stops.front().rgba});
        }
    }

    std::vector<pixman_gradient_stop_t> pixmanStops;
    for (const auto& stop : stops) {
        pixmanStops.push_back({fixed(stop.location),
                               {channel16(stop.rgba[0]), channel16(stop.rgba[1]),
                                channel16(stop.rgba[2]), channel16(stop.rgba[3])}});
    }
    const pixman_point_fixed_t p0{fixed(shape.startCentre.x), fixed(shape.startCentre.y)};
    const pixman_point_fixed_t p1{fixed(shape.endCentre.x), fixed(shape.endCentre.y)};
    const int count = static_cast<int>(pixmanStops.size());
    PixmanImage image(
        shape.radial
            ? pixman_image_create_radial_gradient(&p0, &p1, fixed(shape.startRadius),
                                                  fixed(shape.endRadius), pixmanStops.data(), count)
            : pixman_image_create_linear_gradient(&p0, &p1, pixmanStops.data(), count));
    if (!image || !setTransform(image.get(), CGAffineTransformInvert(userToDevice)))
        return nullptr;
    pixman_image_set_repeat(image.get(), before && after ? PIXMAN_REPEAT_PAD : PIXMAN_REPEAT_NONE);
    return image;
}

}  // namespace detail
