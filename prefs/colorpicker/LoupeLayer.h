#pragma once

#include <memory>

#include "platform/graphics/CGPath.h"
#include "platform/ui/layers/CAAnimation.h"
#include "platform/ui/layers/CALayer.h"

class ColorPickerView;
class UIImage;

// The magnifier that floats above the finger on a colour wheel: a lens showing the colours of a
// 5 × 5 grid of points round the selection over a checkerboard, under an overlay of rim, glint
// and centre mark. Its origin is its centre and its anchor the middle of its bottom edge, so the
// position it is given (the selection) is where it hangs from.
//
// It grows in when it appears and shrinks away when dismissed; a dismissal asked for while it is
// still growing waits until it has grown. The picker (not owned) makes it, positions it and asks
// it to redraw; the loupe owns its overlay sublayer and its lens path. Main thread only.
class LoupeLayer : public CALayer, public CAAnimationDelegate {
public:
    // A detached loupe with its overlay drawn, for no picker yet.
    static std::shared_ptr<LoupeLayer> layer();

    // Attaches to the picker's layer and grows in, from whatever it was doing.
    void appearInColorPicker(const std::shared_ptr<ColorPickerView>& picker);
    void disappear() { disappearAnimated(true); }
    void disappearAnimated(bool animated);
    void animationDidStop_finished(CAAnimation* animation, bool finished) override;

    // The lens: checkerboard, then the sampled colours, clipped to the lens circle.
    void drawInContext(const CGContextRef& context) override;
    bool drawsContent() const override { return true; }
    void drawGridInContext(const CGContextRef& context);
    void drawGlintInContext(const CGContextRef& context);
    // Ring with its shadow, glint, rim and centre mark, at the screen's scale.
    std::shared_ptr<UIImage> loupeImage();
    // The lens circle, made on first use.
    const CGPathRef& gridCirclePath();
    void setGridCirclePath(CGPathRef path) { gridCirclePath_ = std::move(path); }

    std::shared_ptr<ColorPickerView> colorPicker() const { return colorPicker_.lock(); }
    void setColorPicker(const std::shared_ptr<ColorPickerView>& picker) { colorPicker_ = picker; }
    CGPoint loupeCenter() const { return loupeCenter_; }
    void setLoupeCenter(CGPoint center) { loupeCenter_ = center; }
    bool isReadyToDismiss() const { return isReadyToDismiss_; }
    bool isRunningInitialAnimation() const { return isRunningInitialAnimation_; }

    static constexpr const char* kAppearKey = "cp_l_appear";
    static constexpr const char* kDisappearKey = "cp_l_disappear";

private:
    void init();
    std::shared_ptr<CAAnimationDelegate> selfAsDelegate();

    bool isReadyToDismiss_ = false;
    bool isRunningInitialAnimation_ = false;
    std::weak_ptr<ColorPickerView> colorPicker_;
    CGPathRef gridCirclePath_;
    CGPoint loupeCenter_{};
};
