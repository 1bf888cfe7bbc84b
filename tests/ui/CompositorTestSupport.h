#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/graphics/CGColor.h"
#include "platform/graphics/CGColorSpace.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/layers/Compositor.h"

// Tiny screens, layers that change without implicit animations, and pixel reads by point.
struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// Makes every property change take effect at once, as a layer's owner with actions turned off.
class StillLayerDelegate : public CALayerDelegate {
public:
    ActionResult actionForLayer_forKey(CALayer*, std::string_view,
                                       const AnimatableValue&) override {
        return {Action::None, nullptr};
    }
};

class CompositorTest : public testing::Test {
protected:
    CompositorTest() { Clock::setCurrent(clock_); }
    ~CompositorTest() override { Clock::setCurrent(std::make_shared<RealClock>()); }

    static CGColorRef rgb(CGFloat r, CGFloat g, CGFloat b, CGFloat a = 1) {
        const CGFloat components[] = {r, g, b, a};
        return CGColorCreate(CGColorSpaceCreateDeviceRGB(), components);
    }

    std::shared_ptr<CALayer> makeLayer(CGRect frame, CGColorRef color = nullptr) {
        auto layer = CALayer::layer();
        layer->setDelegate(still_);
        layer->setFrame(frame);
        layer->setBackgroundColor(std::move(color));
        return layer;
    }

    // A black screen of `size` points at `scale`, with one root covering it.
    void makeScreen(CGFloat width, CGFloat height, CGFloat scale) {
        scale_ = scale;
        compositor_ = std::make_unique<Compositor>(static_cast<size_t>(width * scale),
                                                   static_cast<size_t>(height * scale), scale);
        root_ = makeLayer(CGRectMake(0, 0, width, height));
    }

    bool render() { return compositor_->renderFrame({root_}); }

    // The pixel under the point, in the top-left pixel of the point.
    Rgb at(CGFloat x, CGFloat y) const { return pixel(x * scale_, y * scale_); }
    Rgb pixel(CGFloat px, CGFloat py) const {
        const uint32_t p =
            compositor_->pixels()[static_cast<size_t>(py) * compositor_->pixelWidth() +
                                  static_cast<size_t>(px)];
        return {static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff),
                static_cast<int>(p & 0xff)};
    }

    std::shared_ptr<VirtualClock> clock_ = std::make_shared<VirtualClock>();
    std::shared_ptr<StillLayerDelegate> still_ = std::make_shared<StillLayerDelegate>();
    std::unique_ptr<Compositor> compositor_;
    std::shared_ptr<CALayer> root_;
    CGFloat scale_ = 1;
};

inline bool near(const Rgb& actual, const Rgb& expected, int tolerance = 2) {
    return std::abs(actual.r - expected.r) <= tolerance &&
           std::abs(actual.g - expected.g) <= tolerance &&
           std::abs(actual.b - expected.b) <= tolerance;
}

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
