#include "platform/ui/layers/CALayer.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/layers/detail/CALayerAnimationRecord.h"

namespace {

std::uint64_t changes = 0;

}  // namespace

std::shared_ptr<CALayer> CALayer::layer() {
    return std::make_shared<CALayer>();
}

CALayer::~CALayer() {
    NSRunLoop::mainRunLoop().removeTimersTagged(this);
    for (const auto& sublayer : sublayers_) sublayer->superlayer_.reset();
}

std::uint64_t CALayer::changeCount() {
    return changes;
}
void CALayer::noteChange() {
    ++changes;
}

// Geometry

void CALayer::setBounds(CGRect bounds) {
    const CGRect old = bounds_;
    bounds_ = bounds;
    if (old.size != bounds.size) {
        if (needsDisplayOnBoundsChange_) setNeedsDisplay();
        setNeedsLayout();
    }
    didChangeValue("bounds", old);
}

void CALayer::setPosition(CGPoint position) {
    const CGPoint old = position_;
    position_ = position;
    didChangeValue("position", old);
}

void CALayer::setAnchorPoint(CGPoint anchorPoint) {
    anchorPoint_ = anchorPoint;
    noteChange();
}

void CALayer::setTransform(const CATransform3D& transform) {
    const CATransform3D old = transform_;
    transform_ = transform;
    didChangeValue("transform", old);
}

CGRect CALayer::frame() const {
    const CGPoint corners[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    CGFloat minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    for (CGPoint corner : corners) {
        const CGPoint local{(corner.x - anchorPoint_.x) * bounds_.size.width,
                            (corner.y - anchorPoint_.y) * bounds_.size.height};
        const CGPoint moved = CATransform3DApplyToPoint(transform_, local);
        minX = std::min(minX, moved.x);
        maxX = std::max(maxX, moved.x);
        minY = std::min(minY, moved.y);
        maxY = std::max(maxY, moved.y);
    }
    return {{position_.x + minX, position_.y + minY}, {maxX - minX, maxY - minY}};
}

void CALayer::setFrame(CGRect frame) {
    frame = CGRectStandardize(frame);
    setPosition({frame.origin.x + anchorPoint_.x * frame.size.width,
                 frame.origin.y + anchorPoint_.y * frame.size.height});
    setBounds({bounds_.origin, frame.size});
}

// Appearance

void CALayer::setOpacity(float opacity) {
    const float old = opacity_;
    if (committedGeneration_ != CATransaction::generation() + 1) {
        // The first change in this turn: remember what was on screen.
        committedOpacity_ = old;
        committedGeneration_ = CATransaction::generation() + 1;
    }
    opacity_ = opacity;
    didChangeValue("opacity", static_cast<double>(old));
}

float CALayer::committedOpacity() const {
    return committedGeneration_ == CATransaction::generation() + 1 ? committedOpacity_ : opacity_;
}

void CALayer::setHidden(bool hidden) {
    hidden_ = hidden;
    noteChange();
}

void CALayer::setBackgroundColor(CGColorRef color) {
    backgroundColor_ = std::move(color);
    noteChange();
}

void CALayer::setCornerRadius(CGFloat radius) {
    cornerRadius_ = radius;
    noteChange();
}

void CALayer::setMasksToBounds(bool masks) {
    masksToBounds_ = masks;
    noteChange();
}

void CALayer::setContents(CGImageRef contents) {
    contents_ = std::move(contents);
    noteChange();
}

void CALayer::setContentsScale(CGFloat scale) {
    if (scale != contentsScale_) needsDisplay_ = true;
    contentsScale_ = scale;
    noteChange();
}

void CALayer::setShadowColor(CGColorRef color) {
    shadowColor_ = std::move(color);
    noteChange();
}

void CALayer::setShadowOffset(CGSize offset) {
    shadowOffset_ = offset;
    noteChange();
}

void CALayer::setShadowOpacity(float opacity) {
    shadowOpacity_ = opacity;
    noteChange();
}

void CALayer::setShadowRadius(CGFloat radius) {
    shadowRadius_ = radius;
    noteChange();
}

void CALayer::setOpaque(bool opaque) {
    opaque_ = opaque;
    noteChange();
}

// The tree

void CALayer::addSublayer(const std::shared_ptr<CALayer>& layer) {
    insertSublayer_atIndex(layer, sublayers_.size());
}

void CALayer::insertSublayer_atIndex(const std::shared_ptr<CALayer>& layer, size_t index) {
    if (!layer || layer.get() == this) return;
    const std::shared_ptr<CALayer> keep = layer;  // removal below may drop the last owner
    if (keep->superlayer().get() == this) {
        auto it = std::find(sublayers_.begin(), sublayers_.end(), keep);
        const size_t current = static_cast<size_t>(it - sublayers_.begin());
        sublayers_.erase(it);
        if (index > current) --index;
    } else {
        keep->removeFromSuperlayer();
    }
    index = std::min(index, sublayers_.size());
    sublayers_.insert(sublayers_.begin() + static_cast<std::ptrdiff_t>(index), keep);
    keep->superlayer_ = std::static_pointer_cast<CALayer>(shared_from_this());
    setNeedsLayout();
    noteChange();
}

void CALayer::removeFromSuperlayer() {
    auto parent = superlayer();
    if (!parent) return;
    superlayer_.reset();
    auto& siblings = parent->sublayers_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), shared_from_this()),
                   siblings.end());
    noteChange();
}

// Drawing

void CALayer::setNeedsDisplay() {
    needsDisplay_ = true;
    noteChange();
}

void CALayer::drawInContext(const CGContextRef& context) {
    if (auto owner = delegate()) owner->drawLayer_inContext(this, context);
}

bool CALayer::drawsContent() const {
    auto owner = delegate();
    return owner && owner->layerDrawsContent(this);
}

CGImageRef CALayer::backingImage() {
    if (!drawsContent()) return nullptr;
    const size_t width = static_cast<size_t>(std::ceil(bounds_.size.width * contentsScale_));
    const size_t height = static_cast<size_t>(std::ceil(bounds_.size.height * contentsScale_));
    if (width == 0 || height == 0) return nullptr;
    const bool sizeChanged = backingImage_ && (CGImageGetWidth(backingImage_) != width ||
                                               CGImageGetHeight(backingImage_) != height);
    if (backingImage_ && !needsDisplay_ && !sizeChanged) return backingImage_;
    needsDisplay_ = false;
    CGContextRef context = UIGraphicsCreateDrawingContext(
        nullptr, width, height, 0, contentsScale_,
        opaque_ ? BitmapOpacity::Opaque : BitmapOpacity::Transparent);
    if (!context) return backingImage_ = nullptr;
    CGContextTranslateCTM(context, -bounds_.origin.x, -bounds_.origin.y);
    UIGraphicsPushContext(context);
    drawInContext(context);
    UIGraphicsPopContext();
    return backingImage_ = CGBitmapContextCreateImage(context);
}

void CALayer::setNeedsLayout() {
    needsLayout_ = true;
}

void CALayer::layoutIfNeeded() {
    if (needsLayout_) {
        needsLayout_ = false;
        layoutSublayers();
    }
    const auto children = sublayers_;  // layout may change the tree
    for (const auto& sublayer : children) sublayer->layoutIfNeeded();
}

void CALayer::layoutSublayers() {
    if (auto owner = delegate()) owner->layoutSublayersOfLayer(this);
}

void CALayer::setTransition(std::shared_ptr<LayerTransition> transition) {
    transition_ = std::move(transition);
    noteChange();
}
