#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/CGImage.h"
#include "platform/ui/views/UIView.h"
#include "tests/support/VirtualTimeTest.h"
#include "tweak/hud/ProgressHUD.h"
#include "tweak/hud/ProgressHUDDelegate.h"

// Writes down each hudWasHidden and what the HUD's completion block was at that moment.
class HiddenRecorder : public ProgressHUDDelegate {
public:
    void hudWasHidden(const std::shared_ptr<ProgressHUD>& hud) override {
        hidden.push_back(hud.get());
        completionSetWhenTold.push_back(static_cast<bool>(hud->completionBlock()));
    }
    std::vector<const ProgressHUD*> hidden;
    std::vector<bool> completionSetWhenTold;
};

// A 320 × 480 host view on virtual time.
class HUDTest : public VirtualTimeTest {
protected:
    // Runs main-thread turns (without moving the clock) until `done` says so, for work that comes
    // back from another thread; fails after five real seconds.
    void runUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!done()) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "nothing came back";
            NSRunLoop::mainRunLoop().runOneTurn();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    std::shared_ptr<UIView> host_ = std::make_shared<UIView>(CGRectMake(0, 0, 320, 480));
    std::shared_ptr<HiddenRecorder> recorder_ = std::make_shared<HiddenRecorder>();
};

// The alpha (0 to 255) of a pixel of a picture drawn at `scale`, by point.
inline int alphaAt(const CGImage& picture, CGFloat x, CGFloat y, CGFloat scale) {
    return static_cast<int>(
        picture.pixelAt(static_cast<size_t>(x * scale), static_cast<size_t>(y * scale)) >> 24);
}
