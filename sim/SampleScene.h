#pragma once

#include <cstddef>
#include <memory>

#include "platform/graphics/CGGeometry.h"

class NSTimer;
class SampleCaptionView;
class UIView;
class UIWindow;

// What the device shows until SpringBoard arrives: a gradient backdrop and a translucent rounded
// panel with a shadow and a line of text, which springs down the screen (for 1 s), flips over
// (0.8 s), springs back and flips back, one motion every 1.5 s from 0.5 s after it appears, so
// that views, layers, animations and the compositor can be seen at work. The scene is on screen
// while it exists: it shows its window when made and takes it off the screen when destroyed.
class SampleScene : public std::enable_shared_from_this<SampleScene> {
public:
    // Builds the scene on the main screen and starts its motions.
    static std::shared_ptr<SampleScene> show();
    ~SampleScene();

private:
    SampleScene();
    void scheduleStep(double delay);
    void runStep();
    void moveTo(CGPoint center);
    void flip(int transition);

    std::shared_ptr<UIWindow> window_;
    std::shared_ptr<UIView> panel_;
    std::shared_ptr<SampleCaptionView> caption_;
    CGPoint upperCenter_, lowerCenter_;
    size_t step_ = 0;
    std::shared_ptr<NSTimer> timer_;
};
