#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/PNGCodec.h"
#include "platform/ui/layers/Compositor.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIWindow.h"
#include "tests/ui/CompositorTestSupport.h"

// The application's windows as the screen shows them now, read by point: a 320 by 480 screen at
// scale 2.
class ScreenPicture {
public:
    ScreenPicture() : compositor_(640, 960, 2) {
        std::vector<std::shared_ptr<CALayer>> layers;
        for (const auto& window : UIApplication::sharedApplication().windows())
            layers.push_back(window->layer());
        compositor_.renderFrame(layers);
    }

    // The pixel at the top-left of the point.
    Rgb at(CGFloat x, CGFloat y) const {
        const uint32_t p =
            compositor_.pixels()[static_cast<size_t>(y * 2) * 640 + static_cast<size_t>(x * 2)];
        return {static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff),
                static_cast<int>(p & 0xff)};
    }

    // For looking at what a test saw.
    bool writePNG(const std::string& path) const {
        return PNGCodec::writeFile(*compositor_.snapshot(), path);
    }

private:
    Compositor compositor_;
};
