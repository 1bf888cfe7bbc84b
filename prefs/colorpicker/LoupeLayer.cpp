#include "prefs/colorpicker/LoupeLayer.h"

#include <cmath>
#include <numbers>

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/layers/CAMediaTimingFunction.h"
#include "platform/ui/layers/CATransaction.h"
#include "prefs/colorpicker/ColorPickerView.h"
#include "prefs/colorpicker/GreyGradient.h"

namespace {

constexpr CGFloat kSide = 97;
constexpr CGRect kBounds{{-kSide / 2, -kSide / 2}, {kSide, kSide}};
// The lens clip, and the edge of the 5 × 5 sample grid and of the 6 × 6 checkerboard.
constexpr CGFloat kLensRadius = 41;
constexpr CGFloat kGridEdge = 42.5;
constexpr int kGridCells = 5;
constexpr CGFloat kGridCell = 17;
constexpr int kCheckerCells = 6;
constexpr CGFloat kCheckerCell = 2 * kGridEdge / kCheckerCells;
// Sampled points: the selection less 37 points, then every 15 points (so not centred on it).
constexpr CGFloat kSampleOffset = -37;
constexpr CGFloat kSampleStep = 15;

constexpr double kPi = std::numbers::pi;

std::shared_ptr<CAMediaTimingFunction> easeInEaseOut() {
    return CAMediaTimingFunction::functionWithName(kCAMediaTimingFunctionEaseInEaseOut);
}

// Kept in force once it has run, telling the loupe when it stops.
template <class Animation>
void keepAfterCompletion(Animation& animation, float duration,
                         const std::shared_ptr<CAAnimationDelegate>& delegate) {
    animation.setDuration(duration);
    animation.setTimingFunction(easeInEaseOut());
    animation.setRemovedOnCompletion(false);
    animation.setFillMode(CAFillMode::Forwards);
    animation.setDelegate(delegate);
}

CGRect square(CGFloat x, CGFloat y, CGFloat side) {
    return CGRectMake(x, y, side, side);
}

}  // namespace

std::shared_ptr<LoupeLayer> LoupeLayer::layer() {
    auto loupe = std::make_shared<LoupeLayer>();
    loupe->init();
    return loupe;
}

void LoupeLayer::init() {
    setBounds(kBounds);
    setAnchorPoint({0.5, 1.0});
    auto overlay = CALayer::layer();
    overlay->setBounds(kBounds);
    overlay->setPosition({CGRectGetMidX(kBounds), CGRectGetMidY(kBounds)});
    if (const auto image = loupeImage()) overlay->setContents(image->CGImage());
    addSublayer(overlay);
}

std::shared_ptr<CAAnimationDelegate> LoupeLayer::selfAsDelegate() {
    return std::shared_ptr<CAAnimationDelegate>(shared_from_this(), this);
}

// Appearing and going

void LoupeLayer::appearInColorPicker(const std::shared_ptr<ColorPickerView>& picker) {
    if (colorPicker() != picker) setColorPicker(picker);
    removeAllAnimations();
    // Off before the transform goes back, so that it snaps back rather than animating from a
    // shrunk loupe.
    CATransaction::setDisableActions(true);
    setTransform(CATransform3DIdentity);
    isReadyToDismiss_ = false;
    if (picker) picker->layer()->addSublayer(std::static_pointer_cast<CALayer>(shared_from_this()));
    isRunningInitialAnimation_ = true;
    auto grow = CAKeyframeAnimation::animationWithKeyPath("transform.scale");
    grow->setValues({0.1, 1.4, 0.95, 1.0});
    keepAfterCompletion(*grow, 0.35f, selfAsDelegate());
    addAnimation_forKey(grow, kAppearKey);
}

void LoupeLayer::disappearAnimated(bool animated) {
    isReadyToDismiss_ = true;
    if (isRunningInitialAnimation_) return;  // it goes once it has grown
    if (!animated) {
        removeFromSuperlayer();
        return;
    }
    {
        const CATransactionScope transaction(CATransactionScope::Actions::Disabled);
        setTransform(CATransform3DMakeScale(0.01, 0.01, 1));
    }
    auto shrink = CABasicAnimation::animationWithKeyPath("transform.scale");
    shrink->setFromValue(1.0);
    keepAfterCompletion(*shrink, 0.1f, selfAsDelegate());
    addAnimation_forKey(shrink, kDisappearKey);
}

void LoupeLayer::animationDidStop_finished(CAAnimation* animation, bool finished) {
    if (animation == animationForKey(kDisappearKey).get()) {
        if (finished) {
            removeFromSuperlayer();
            setTransform(CATransform3DIdentity);
        }
    } else if (animation == animationForKey(kAppearKey).get()) {
        isRunningInitialAnimation_ = false;
        if (isReadyToDismiss_) disappear();
    }
}

// Drawing

const CGPathRef& LoupeLayer::gridCirclePath() {
    if (!gridCirclePath_) {
        const CGMutablePathRef path = CGPathCreateMutable();
        CGPathAddEllipseInRect(path, nullptr, square(-kLensRadius, -kLensRadius, 2 * kLensRadius));
        gridCirclePath_ = path;
    }
    return gridCirclePath_;
}

void LoupeLayer::drawInContext(const CGContextRef& context) {
    const GraphicsStateSaver saved(context);
    CGContextAddPath(context, gridCirclePath());
    CGContextClip(context);
    const CGColorRef white = UIColor::whiteColor()->CGColor();
    const CGColorRef grey = UIColor::grayColor()->CGColor();
    for (int row = 0; row < kCheckerCells; ++row) {
        for (int column = 0; column < kCheckerCells; ++column) {
            CGContextSetFillColorWithColor(context, (row + column) % 2 == 0 ? white : grey);
            CGContextFillRect(context, square(-kGridEdge + column * kCheckerCell,
                                              -kGridEdge + row * kCheckerCell, kCheckerCell));
        }
    }
    drawGridInContext(context);
}

void LoupeLayer::drawGridInContext(const CGContextRef& context) {
    const auto picker = colorPicker();
    if (!picker) return;
    const CGPoint selection = picker->selection();
    for (int row = 0; row < kGridCells; ++row) {
        for (int column = 0; column < kGridCells; ++column) {
            const CGPoint sample{selection.x + kSampleOffset + kSampleStep * column,
                                 selection.y + kSampleOffset + kSampleStep * row};
            CGContextSetFillColorWithColor(context, picker->colorAtPoint(sample)->CGColor());
            CGContextFillRect(context, square(-kGridEdge + kGridCell * column,
                                              -kGridEdge + kGridCell * row, kGridCell));
        }
    }
}

std::shared_ptr<UIImage> LoupeLayer::loupeImage() {
    UIGraphicsBeginImageContextWithOptions(kBounds.size, false, UIGraphicsGetMainScreenScale());
    const CGContextRef context = UIGraphicsGetCurrentContext();
    if (!context) {
        UIGraphicsEndImageContext();
        return nullptr;
    }
    CGContextTranslateCTM(context, kSide / 2, kSide / 2);

    // The ring: everything outside the lens, so only a thin band of the disc shows, shadow below.
    {
        const GraphicsStateSaver saved(context);
        CGContextAddRect(context, kBounds);
        CGContextAddEllipseInRect(context, CGRectInset(kBounds, 7, 7));
        CGContextEOClip(context);
        CGContextSetShadowWithColor(context, {0, 3}, 3, UIColor::blackColor()->CGColor());
        if (const auto picker = colorPicker())
            CGContextSetFillColorWithColor(context, picker->selectionColor()->CGColor());
        CGContextFillEllipseInRect(context, square(-kGridEdge, -kGridEdge, 2 * kGridEdge));
    }
    {
        const GraphicsStateSaver saved(context);
        CGContextAddPath(context, gridCirclePath());
        CGContextClip(context);
        drawGlintInContext(context);
    }
    // The rim: a white line on a wider black one.
    CGContextAddPath(context, gridCirclePath());
    CGContextSetLineWidth(context, 3);
    CGContextSetStrokeColorWithColor(context, UIColor::blackColor()->CGColor());
    CGContextStrokePath(context);
    CGContextAddPath(context, gridCirclePath());
    CGContextSetLineWidth(context, 2);
    CGContextSetStrokeColorWithColor(context, UIColor::whiteColor()->CGColor());
    CGContextStrokePath(context);
    // The centre mark.
    CGContextSetLineWidth(context, 1);
    CGContextSetStrokeColorWithColor(context, UIColor::blackColor()->CGColor());
    CGContextStrokeRect(context, square(-9, -9, 17));

    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

void LoupeLayer::drawGlintInContext(const CGContextRef& context) {
    // Where a circle of radius 127.5 about (0, 106.25) crosses the lens circle of radius 42.5:
    // at angle a1 either side of its top on the large circle, a2 on the lens.
    const float a1 = std::acos(0.95f);
    const float a2 = std::asin(3 * std::sin(a1));
    const double up = -kPi / 2;
    {
        const GraphicsStateSaver saved(context);
        CGContextBeginPath(context);
        CGContextAddArc(context, 0, 106.25, 127.5, a1 + up, up - a1, 1);
        CGContextAddArc(context, 0, 0, kGridEdge, up - a2, a2 + up, 0);
        CGContextClosePath(context);
        CGContextClip(context);
        CGContextDrawLinearGradient(context, GreyGradient(1, 0.65, 1, 0.15), {0, -kGridEdge},
                                    {0, kGridEdge * std::sin(a2 + up)}, 0);
    }
    {
        const GraphicsStateSaver saved(context);
        CGContextAddEllipseInRect(context, square(-34, 0, 68));
        CGContextClip(context);
        CGContextDrawRadialGradient(context, GreyGradient(1, 0.5, 1, 0), {0, 34}, 0, {0, 34}, 34,
                                    0);
    }
}
