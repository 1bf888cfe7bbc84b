#pragma once

#include <memory>

#include "platform/ui/layers/CALayer.h"

// The wheel's selection marker: two concentric rings inscribed in the layer's bounds, a wide
// outer one (translucent white unless set) round a narrower inner one (black unless set).
class SelectionLayer : public CALayer {
public:
    static std::shared_ptr<SelectionLayer> layer() { return std::make_shared<SelectionLayer>(); }

    const CGColorRef& outerRingColor() const { return outerRingColor_; }
    void setOuterRingColor(CGColorRef color) { outerRingColor_ = std::move(color); }
    const CGColorRef& innerRingColor() const { return innerRingColor_; }
    void setInnerRingColor(CGColorRef color) { innerRingColor_ = std::move(color); }

    // With either colour missing, both rings take their defaults, replacing the one that was set.
    void drawInContext(const CGContextRef& context) override;
    bool drawsContent() const override { return true; }

private:
    CGColorRef outerRingColor_;
    CGColorRef innerRingColor_;
};
