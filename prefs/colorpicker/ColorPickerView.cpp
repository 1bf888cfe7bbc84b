#include "prefs/colorpicker/ColorPickerView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/graphics/UIBezierPath.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "prefs/bitmap/ImageBitmapRep.h"
#include "prefs/colorpicker/ColorFunctions.h"
#include "prefs/colorpicker/ColorPickerViewDelegate.h"
#include "prefs/colorpicker/LoupeLayer.h"
#include "prefs/colorpicker/SelectionLayer.h"
#include "prefs/colorpicker/WheelCache.h"

namespace {

constexpr CGFloat kMarkerSize = 22;
constexpr double kCheckerboardLength = 20;

CGRect squared(CGRect frame) {
    const CGFloat side = std::min(frame.size.width, frame.size.height);
    return {frame.origin, {side, side}};
}

// One of the wheel's layers. On the device, layers not yet shown take their first values without
// animating; here layers would animate at once, so these never animate on their own: every
// change to them is made without actions anyway, but the one of the first layout.
template <class Layer>
std::shared_ptr<Layer> ownLayer(std::shared_ptr<Layer> layer) {
    layer->setAnimatesImplicitly(false);
    return layer;
}

std::shared_ptr<UIColor> checkerboardGrey() {
    return UIColor::colorWithWhite_alpha(0.5, 1.0);
}

}  // namespace

Class ColorPickerView::classObject() {
    static const Class cls = defineClass<ColorPickerView>("ColorPickerView", UIView::classObject());
    return cls;
}

// The class-wide wheels

std::shared_ptr<ImageBitmapRep> ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(
    double diameter, double scale, double padding, bool shouldCache) {
    return WheelCache::bitmapForPixelDiameter_padding_shouldCache(diameter * scale, scale * padding,
                                                                  shouldCache);
}

void ColorPickerView::prepareForDiameter_scale_padding_inBackground(double diameter, double scale,
                                                                    double padding,
                                                                    bool inBackground) {
    WheelCache::runOnWheelQueue(
        [=] { bitmapForDiameter_scale_padding_shouldCache(diameter, scale, padding, true); },
        inBackground);
}

void ColorPickerView::prepareForDiameter_scale_padding(double diameter, double scale,
                                                       double padding) {
    prepareForDiameter_scale_padding_inBackground(diameter, scale, padding, true);
}

void ColorPickerView::prepareForDiameter_scale(double diameter, double scale) {
    prepareForDiameter_scale_padding(diameter, scale, paddingDistance);
}

void ColorPickerView::prepareForDiameter_padding(double diameter, double padding) {
    prepareForDiameter_scale_padding(diameter, 1.0, padding);
}

void ColorPickerView::prepareForDiameter(double diameter) {
    prepareForDiameter_scale_padding(diameter, 1.0, paddingDistance);
}

// Making

ColorPickerView::ColorPickerView(CGRect frame) : UIView(squared(frame)) {
    initRoutine();
}

void ColorPickerView::initRoutine() {
    showLoupe_ = true;
    setOpaque(true);
    setBackgroundColor(UIColor::clearColor());
    colorPickerViewFlags_.bitmapNeedsUpdate = false;

    selectionLayer_ = ownLayer(SelectionLayer::layer());
    selectionLayer_->setFrame(CGRectMake(0, 0, kMarkerSize, kMarkerSize));
    selectionLayer_->setNeedsDisplay();
    selectionColorLayer_ = ownLayer(CALayer::layer());
    selectionColorLayer_->setCornerRadius(kMarkerSize / 2);
    selectionColorLayer_->setFrame(CGRectMake(0, 0, kMarkerSize, kMarkerSize));
    brightnessLayer_ = ownLayer(CALayer::layer());
    brightnessLayer_->setFrame(bounds());
    brightnessLayer_->setBackgroundColor(UIColor::blackColor()->CGColor());
    gradientLayer_ = ownLayer(CALayer::layer());
    gradientLayer_->setFrame(bounds());
    opacityLayer_ = ownLayer(CALayer::layer());
    contentsLayer_ = ownLayer(CALayer::layer());
    contentsLayer_->setFrame(bounds());
    for (const std::shared_ptr<CALayer>& part :
         {gradientLayer_, brightnessLayer_, selectionColorLayer_, opacityLayer_,
          std::static_pointer_cast<CALayer>(selectionLayer_)}) {
        contentsLayer_->addSublayer(part);
    }
    layer()->addSublayer(contentsLayer_);
    handleStateChangedDisableActions(false);
    contentsLayer_->setMasksToBounds(true);
    setCropToCircle(false);
    setSelectionColor(UIColor::whiteColor());
}

// Geometry

void ColorPickerView::setFrame(CGRect frame) {
    NSAssert(frame.size.width == frame.size.height, "ColorPickerView must be square.");
    UIView::setFrame(frame);
    resizeOrRescale();
}

void ColorPickerView::didMoveToWindow() {
    resizeOrRescale();
}

void ColorPickerView::resizeOrRescale() {
    const auto window = this->window();
    const CGRect frame = this->frame();
    if (!window || frame.size.width == 0 || frame.size.height == 0) {
        scale_ = 0;
        if (loupeLayer_) loupeLayer_->disappearAnimated(false);
        return;
    }
    scale_ = window->screen().scale();

    const CATransactionScope transaction(CATransactionScope::Actions::Disabled);
    for (const std::shared_ptr<CALayer>& scaled :
         {layer(), std::static_pointer_cast<CALayer>(selectionLayer_), selectionColorLayer_,
          brightnessLayer_, gradientLayer_, std::static_pointer_cast<CALayer>(loupeLayer_),
          contentsLayer_}) {
        if (scaled) scaled->setContentsScale(scale_);
    }
    // The checkerboard tile carries its own scale.
    opacityLayer_->setContentsScale(1.0);
    colorPickerViewFlags_.bitmapNeedsUpdate = true;
    for (const auto& filling : {contentsLayer_, gradientLayer_, brightnessLayer_, opacityLayer_})
        filling->setFrame(bounds());
    opacityLayer_->setBackgroundColor(
        UIColor::colorWithPatternImage(
            OpacityBackgroundImage(kCheckerboardLength, scale_, checkerboardGrey()))
            ->CGColor());
    genBitmap();
    generateBezierPaths();
    handleStateChanged();
}

void ColorPickerView::generateBezierPaths() {
    const CATransactionScope transaction(CATransactionScope::Actions::Disabled);
    const CGRect selectable = CGRectInset(bounds(), paddingDistance, paddingDistance);
    if (cropToCircle_) {
        contentsLayer_->setCornerRadius(paletteDiameter() / 2);
        activeAreaShape_ = UIBezierPath::bezierPathWithOvalInRect(selectable);
    } else {
        contentsLayer_->setCornerRadius(0);
        activeAreaShape_ = UIBezierPath::bezierPathWithRect(selectable);
    }
}

void ColorPickerView::genBitmap() {
    if (!colorPickerViewFlags_.bitmapNeedsUpdate) return;
    rep_ = bitmapForDiameter_scale_padding_shouldCache(gradientLayer_->bounds().size.width, scale_,
                                                       paddingDistance, true);
    colorPickerViewFlags_.bitmapNeedsUpdate = false;
    const auto image = rep_ ? UIImageWithScale(rep_->image(), scale_) : nullptr;
    gradientLayer_->setContents(image ? image->CGImage() : nullptr);
}

// The selection

void ColorPickerView::setState(const ColorPickerState& state) {
    state_ = state;
    handleStateChanged();
}

void ColorPickerView::setSelectionColor(const std::shared_ptr<UIColor>& color) {
    setState(ColorPickerState::initWithColor(color));
}

void ColorPickerView::setBrightness(double brightness) {
    setState(state_.stateBySettingBrightness(brightness));
}

void ColorPickerView::setOpacity(double opacity) {
    setState(state_.stateBySettingAlpha(opacity));
}

CGPoint ColorPickerView::selection() const {
    return state_.selectionLocationWithSize_padding(paletteDiameter(), paddingDistance);
}

void ColorPickerView::setCropToCircle(bool crop) {
    cropToCircle_ = crop;
    generateBezierPaths();
    if (crop) {
        updateStateForTouchPoint(validPointForTouch(selection()));
    } else {
        handleStateChanged();
    }
}

std::shared_ptr<UIColor> ColorPickerView::colorAtPoint(CGPoint point) const {
    return stateForPoint(point).color();
}

ColorPickerState ColorPickerView::stateForPoint(CGPoint point) const {
    return ColorPickerState::stateForPoint_size_padding(point, paletteDiameter(), paddingDistance)
        .stateBySettingAlpha(opacity())
        .stateBySettingBrightness(brightness());
}

CGPoint ColorPickerView::validPointForTouch(CGPoint point) const {
    const double diameter = paletteDiameter();
    if (!cropToCircle_) {
        // One bound after the other, so that a view too small to have a selectable area still
        // gives a point.
        for (CGFloat* coordinate : {&point.x, &point.y}) {
            if (*coordinate < paddingDistance) *coordinate = paddingDistance;
            if (*coordinate > diameter - paddingDistance) *coordinate = diameter - paddingDistance;
        }
        return point;
    }
    const CGRect bounds = this->bounds();
    const CGFloat midX = CGRectGetMidX(bounds), midY = CGRectGetMidY(bounds);
    const double dx = point.x - midX, dy = point.y - midY;
    const double length = std::sqrt(dx * dx + dy * dy);
    double angle = length > 0 ? std::acos(dx / length) : 0;
    if (point.y > midY) angle = 2 * std::numbers::pi - angle;
    const double radius = std::fabs(diameter * 0.5 - paddingDistance);
    return {midX + radius * std::cos(angle), midY - radius * std::sin(angle)};
}

void ColorPickerView::updateStateForTouchPoint(CGPoint point) {
    setState(stateForPoint(validPointForTouch(point)));
}

void ColorPickerView::handleStateChangedDisableActions(bool disableActions) {
    const CATransactionScope transaction(disableActions ? CATransactionScope::Actions::Disabled
                                                        : CATransactionScope::Actions::Enabled);
    const CGPoint point = selection();
    selectionLayer_->setPosition(point);
    selectionColorLayer_->setPosition(point);
    if (loupeLayer_) {
        loupeLayer_->setPosition(point);
        // Whole points keep the loupe's picture crisp. The position moves by what rounding the
        // frame's origin moves it, which leaves the bounds alone however the loupe is scaled.
        const CGPoint origin = loupeLayer_->frame().origin;
        loupeLayer_->setPosition(
            {point.x + std::round(origin.x) - origin.x, point.y + std::round(origin.y) - origin.y});
        loupeLayer_->setNeedsDisplay();
    }
    selectionColorLayer_->setBackgroundColor(selectionColor()->CGColor());
    opacityLayer_->setOpacity(static_cast<float>(1 - opacity()));
    brightnessLayer_->setOpacity(static_cast<float>(1 - brightness()));
}

// Touches

void ColorPickerView::updateStateForTouches(const UITouchSet& touches) {
    updateStateForTouchPoint(touches.front()->locationInView(this));
}

void ColorPickerView::dismissLoupe() {
    if (loupeLayer_) loupeLayer_->disappear();
}

void ColorPickerView::touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) {
    if (touches.empty()) return;
    if (showLoupe_) {
        if (!loupeLayer_) {
            loupeLayer_ = LoupeLayer::layer();
            loupeLayer_->setContentsScale(scale_);
        }
        loupeLayer_->appearInColorPicker(
            std::static_pointer_cast<ColorPickerView>(shared_from_this()));
    } else {
        dismissLoupe();
    }
    updateStateForTouches(touches);
    if (const auto delegate = this->delegate())
        delegate->colorPicker_touchesBegan_withEvent(this, touches, event);
}

void ColorPickerView::touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!touches.empty()) updateStateForTouches(touches);
}

void ColorPickerView::touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) {
    if (touches.empty()) return;
    updateStateForTouches(touches);
    dismissLoupe();
    if (const auto delegate = this->delegate())
        delegate->colorPicker_touchesEnded_withEvent(this, touches, event);
}

void ColorPickerView::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    dismissLoupe();
}
