#include "platform/ui/layers/Compositor.h"

#include <algorithm>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/layers/detail/LayerRenderer.h"
#include "platform/ui/layers/detail/ShadowRenderer.h"
#include "platform/ui/layers/detail/Surface.h"

namespace {

bool anyAnimationRunning(const CALayer& layer) {
    if (layer.hasRunningAnimations()) return true;
    return std::any_of(layer.sublayers().begin(), layer.sublayers().end(),
                       [](const auto& sublayer) { return anyAnimationRunning(*sublayer); });
}

}  // namespace

struct Compositor::Impl {
    Impl(size_t width, size_t height, CGFloat scale)
        : scale(scale),
          pixels(width * height, 0xff000000u),
          screen(pixels.data(), {0, 0, static_cast<int>(width), static_cast<int>(height)}) {}

    bool isUpToDate(const std::vector<std::shared_ptr<CALayer>>& roots) const {
        if (!drawnBefore || CALayer::changeCount() != drawnChangeCount ||
            roots.size() != drawnRoots.size()) {
            return false;
        }
        for (size_t i = 0; i < roots.size(); ++i) {
            if (drawnRoots[i].lock() != roots[i]) return false;
        }
        return std::none_of(roots.begin(), roots.end(),
                            [](const auto& root) { return root && anyAnimationRunning(*root); });
    }

    CGFloat scale;
    std::vector<std::uint32_t> pixels;
    detail::Surface screen;
    detail::ShadowRenderer shadows;
    bool drawnBefore = false;
    std::uint64_t drawnChangeCount = 0;
    std::vector<std::weak_ptr<CALayer>> drawnRoots;
};

Compositor::Compositor(size_t pixelWidth, size_t pixelHeight, CGFloat scale)
    : impl_(std::make_unique<Impl>(pixelWidth, pixelHeight, scale)) {}

Compositor::~Compositor() = default;

bool Compositor::renderFrame(const std::vector<std::shared_ptr<CALayer>>& roots) {
    for (const auto& root : roots) {
        if (root) root->layoutIfNeeded();
    }
    if (impl_->isUpToDate(roots)) return false;
    std::fill(impl_->pixels.begin(), impl_->pixels.end(), 0xff000000u);
    detail::LayerRenderer renderer(impl_->shadows, NSDate::now(), impl_->scale);
    const auto toDevice = detail::Homography::scale(impl_->scale, impl_->scale);
    for (const auto& root : roots) {
        if (root) renderer.drawLayer(*root, toDevice, impl_->screen);
    }
    impl_->shadows.endFrame();
    // Drawing asks layers for their content, which counts as a change; this frame shows it.
    impl_->drawnChangeCount = CALayer::changeCount();
    impl_->drawnRoots.assign(roots.begin(), roots.end());
    impl_->drawnBefore = true;
    return true;
}

size_t Compositor::pixelWidth() const {
    return static_cast<size_t>(impl_->screen.rect().width);
}

size_t Compositor::pixelHeight() const {
    return static_cast<size_t>(impl_->screen.rect().height);
}

CGFloat Compositor::scale() const {
    return impl_->scale;
}

const std::uint32_t* Compositor::pixels() const {
    return impl_->pixels.data();
}

CGImageRef Compositor::snapshot() const {
    return impl_->screen.makeImage();
}

CGImageRef renderLayerContent(CALayer& layer, CGFloat scale) {
    if (!(scale > 0)) return nullptr;
    detail::ShadowRenderer shadows;
    detail::LayerRenderer renderer(shadows, NSDate::now(), scale);
    return renderer.renderContent(layer).makeImage();
}
