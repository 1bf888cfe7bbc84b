// A full frame of a lock screen: a wallpaper, two translucent rounded panels with shadows, text
// drawn into backing stores and small icons, about twenty layers at 640×1136. The baseline is
// what pixman alone takes to blend the same number of full-screen images, the floor for a
// compositor that touches every pixel once per layer.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/CGColorSpace.h"
#include "platform/graphics/Typesetter.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/layers/Compositor.h"

namespace {

constexpr int kWidth = 640, kHeight = 1136;
constexpr CGFloat kScale = 2;

CGColorRef rgba(CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
    const CGFloat components[] = {r, g, b, a};
    return CGColorCreate(CGColorSpaceCreateDeviceRGB(), components);
}

// Premultiplied pixels, a diagonal blend that no pixman fast path can treat as a solid fill.
std::vector<uint32_t> gradientPixels(int width, int height, uint32_t alpha) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t r = (x * 255 / width) * alpha / 255;
            const uint32_t g = (y * 255 / height) * alpha / 255;
            const uint32_t b = ((x + y) * 127 / (width + height)) * alpha / 255;
            pixels[static_cast<size_t>(y) * width + x] = alpha << 24 | r << 16 | g << 8 | b;
        }
    }
    return pixels;
}

CGImageRef gradientImage(int width, int height, uint32_t alpha) {
    return std::make_shared<const CGImage>(width, height, gradientPixels(width, height, alpha),
                                           alpha == 255);
}

// Draws its text, as a label's layer does.
class TextDrawer : public CALayerDelegate {
public:
    TextDrawer(std::string text, CGFloat size) : text_(std::move(text)), size_(size) {}
    bool layerDrawsContent(const CALayer*) const override { return true; }
    void drawLayer_inContext(CALayer* layer, const CGContextRef& context) override {
        CGContextSetRGBFillColor(context, 1, 1, 1, 1);
        Typesetter::drawTextInRect(context, text_, {"Helvetica Neue", size_, FontWeight::Regular},
                                   layer->bounds(), LineBreak::WordWrap, TextAlignment::Left);
    }
    ActionResult actionForLayer_forKey(CALayer*, std::string_view,
                                       const AnimatableValue&) override {
        return {Action::None, nullptr};
    }

private:
    std::string text_;
    CGFloat size_;
};

struct LockScreen {
    LockScreen() {
        CATransaction::setDisableActions(true);
        root->setFrame(CGRectMake(0, 0, kWidth / kScale, kHeight / kScale));
        auto wallpaper = CALayer::layer();
        wallpaper->setFrame(root->bounds());
        wallpaper->setContents(gradientImage(kWidth, kHeight, 255));
        root->addSublayer(wallpaper);

        clock = text(root, "9:41", 64, CGRectMake(80, 40, 160, 76));
        text(root, "Monday, 2 March", 18, CGRectMake(90, 118, 160, 24));
        text(root, "Carrier", 12, CGRectMake(6, 2, 80, 16));
        text(root, "100 %", 12, CGRectMake(270, 2, 44, 16));

        auto note = panel(CGRectMake(20, 170, 280, 220), rgba(1, 0.95, 0.6, 0.85), 12);
        text(note, "Shopping", 20, CGRectMake(16, 12, 200, 26));
        text(note,
             "Milk, bread, apples, coffee beans and something for the weekend; call Anna "
             "about the plants before Friday.",
             15, CGRectMake(16, 44, 248, 120));
        for (int i = 0; i < 3; ++i) icon(note, CGRectMake(16 + i * 40, 176, 29, 29));

        auto slider = panel(CGRectMake(20, 470, 280, 64), rgba(0, 0, 0, 0.4), 10);
        text(slider, "slide to unlock", 22, CGRectMake(70, 18, 190, 30));
        icon(slider, CGRectMake(10, 8, 48, 48));
        icon(root, CGRectMake(280, 530, 29, 29));
        for (int i = 0; i < 3; ++i) icon(root, CGRectMake(100 + i * 14, 4, 12, 12));
        icon(root, CGRectMake(145, 540, 30, 10));
    }

    std::shared_ptr<CALayer> text(const std::shared_ptr<CALayer>& parent, std::string string,
                                  CGFloat size, CGRect frame) {
        auto drawer = std::make_shared<TextDrawer>(std::move(string), size);
        auto layer = CALayer::layer();
        layer->setDelegate(drawer);
        layer->setFrame(frame);
        layer->setNeedsDisplay();
        parent->addSublayer(layer);
        drawers.push_back(drawer);
        return layer;
    }

    std::shared_ptr<CALayer> panel(CGRect frame, CGColorRef color, CGFloat radius) {
        auto layer = CALayer::layer();
        layer->setFrame(frame);
        layer->setBackgroundColor(std::move(color));
        layer->setCornerRadius(radius);
        layer->setShadowColor(rgba(0, 0, 0, 1));
        layer->setShadowOpacity(0.5);
        layer->setShadowOffset({0, 4});
        layer->setShadowRadius(8);
        root->addSublayer(layer);
        return layer;
    }

    void icon(const std::shared_ptr<CALayer>& parent, CGRect frame) {
        auto layer = CALayer::layer();
        layer->setFrame(frame);
        layer->setContents(gradientImage(static_cast<int>(frame.size.width * kScale),
                                         static_cast<int>(frame.size.height * kScale), 220));
        layer->setCornerRadius(6);
        parent->addSublayer(layer);
    }

    int layerCount(const CALayer& layer) const {
        int count = 1;
        for (const auto& sublayer : layer.sublayers()) count += layerCount(*sublayer);
        return count;
    }

    std::shared_ptr<CALayer> root = CALayer::layer();
    std::shared_ptr<CALayer> clock;
    std::vector<std::shared_ptr<TextDrawer>> drawers;
};

void BM_CompositorFullFrame(benchmark::State& state) {
    LockScreen screen;
    Compositor compositor(kWidth, kHeight, kScale);
    compositor.renderFrame({screen.root});
    bool moved = false;
    for (auto _ : state) {
        // Half a point either way: a change anywhere makes the whole frame again.
        moved = !moved;
        screen.clock->setPosition({moved ? 160.5 : 160, 78});
        benchmark::DoNotOptimize(compositor.renderFrame({screen.root}));
    }
    state.counters["layers"] = screen.layerCount(*screen.root);
}
BENCHMARK(BM_CompositorFullFrame)->Unit(benchmark::kMillisecond);

void BM_CompositorUnchangedFrame(benchmark::State& state) {
    LockScreen screen;
    Compositor compositor(kWidth, kHeight, kScale);
    compositor.renderFrame({screen.root});
    for (auto _ : state) benchmark::DoNotOptimize(compositor.renderFrame({screen.root}));
}
BENCHMARK(BM_CompositorUnchangedFrame)->Unit(benchmark::kMicrosecond);

void BM_PixmanFullScreenImages(benchmark::State& state) {
    const int count = LockScreen().layerCount(*LockScreen().root);
    std::vector<uint32_t> screen(static_cast<size_t>(kWidth) * kHeight);
    pixman_image_t* destination =
        pixman_image_create_bits(PIXMAN_a8r8g8b8, kWidth, kHeight, screen.data(), kWidth * 4);
    std::vector<std::vector<uint32_t>> pixels;
    std::vector<pixman_image_t*> images;
    for (int i = 0; i < count; ++i) {
        pixels.push_back(gradientPixels(kWidth, kHeight, i == 0 ? 255 : 160));
        images.push_back(pixman_image_create_bits(PIXMAN_a8r8g8b8, kWidth, kHeight,
                                                  pixels.back().data(), kWidth * 4));
    }
    for (auto _ : state) {
        for (pixman_image_t* image : images) {
            pixman_image_composite32(PIXMAN_OP_OVER, image, nullptr, destination, 0, 0, 0, 0, 0, 0,
                                     kWidth, kHeight);
        }
        benchmark::DoNotOptimize(screen.data());
    }
    for (pixman_image_t* image : images) pixman_image_unref(image);
    pixman_image_unref(destination);
    state.counters["layers"] = count;
}
BENCHMARK(BM_PixmanFullScreenImages)->Unit(benchmark::kMillisecond);

}  // namespace
