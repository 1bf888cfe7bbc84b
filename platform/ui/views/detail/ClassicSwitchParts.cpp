#include "platform/ui/views/detail/ClassicSwitchParts.h"

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/graphics/RoundedRectPath.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/detail/ControlDrawing.h"

namespace {

constexpr uint32_t kOnTop = 0x0066D4, kOnBottom = 0x2C93F7;
constexpr uint32_t kOffTop = 0xE2E2E2, kOffBottom = 0xFCFCFC;
constexpr uint32_t kKnobTop = 0xFDFDFD, kKnobBottom = 0xD4D4D4, kKnobEdge = 0xA0A0A0;
constexpr uint32_t kOnText = 0xFFFFFF, kOffText = 0x808080;
constexpr CGFloat kLabelFontSize = 16;

// The strip is the switch's width twice, less the knob's that both sides share: the ON side,
// the knob, the OFF side.
CGFloat stripWidth(CGSize size) {
    return 2 * size.width - size.height;
}

void drawStrip(const CGContextRef& context, CGSize size) {
    const CGFloat knobCentre = size.width - size.height / 2;
    const CGFloat width = stripWidth(size);
    ControlDrawing::fillVerticalGradient(context, {{0, 0}, {knobCentre, size.height}}, kOnTop,
                                         kOnBottom);
    ControlDrawing::fillVerticalGradient(
        context, {{knobCentre, 0}, {width - knobCentre, size.height}}, kOffTop, kOffBottom);
    const auto font = UIFont::boldSystemFontOfSize(kLabelFontSize);
    const CGFloat side = size.width - size.height;  // what shows beside the knob
    ControlDrawing::drawCentredText(context, "ON", *font, kOnText, {{0, 0}, {side, size.height}});
    ControlDrawing::drawCentredText(context, "OFF", *font, kOffText,
                                    {{size.width, 0}, {side, size.height}});

    const CGRect knob =
        CGRectInset({{knobCentre - size.height / 2, 0}, {size.height, size.height}}, 0.5, 0.5);
    {
        GraphicsStateSaver saver(context);
        CGContextBeginPath(context);
        CGContextAddEllipseInRect(context, knob);
        CGContextClip(context);
        ControlDrawing::fillVerticalGradient(context, knob, kKnobTop, kKnobBottom);
    }
    ControlDrawing::setStrokeColor(context, kKnobEdge);
    CGContextSetLineWidth(context, 1);
    CGContextStrokeEllipseInRect(context, knob);
}

void drawEdge(const CGContextRef& context, CGSize size) {
    CGContextBeginPath(context);
    addRoundedRectPath(context, CGRectInset({{0, 0}, size}, 0.5, 0.5), size.height / 2);
    CGContextSetRGBStrokeColor(context, 0, 0, 0, 0.35);
    CGContextSetLineWidth(context, 1);
    CGContextStrokePath(context);
}

}  // namespace

ClassicSwitchParts::ClassicSwitchParts(CALayer& host)
    : track_(CALayer::layer()), strip_(CALayer::layer()), edge_(CALayer::layer()) {
    track_->setMasksToBounds(true);
    track_->addSublayer(strip_);
    host.addSublayer(track_);
    host.addSublayer(edge_);
}

void ClassicSwitchParts::place(CGRect bounds, bool on) {
    const CGSize size = bounds.size;
    if (size != drawnSize_) {
        drawnSize_ = size;
        strip_->setContents(ControlDrawing::picture(
            {stripWidth(size), size.height}, [&](const CGContextRef& c) { drawStrip(c, size); }));
        edge_->setContents(
            ControlDrawing::picture(size, [&](const CGContextRef& c) { drawEdge(c, size); }));
    }
    track_->setFrame(bounds);
    track_->setCornerRadius(size.height / 2);
    edge_->setFrame(bounds);
    const CGFloat offset = on ? 0 : size.height - size.width;
    strip_->setFrame({{offset, 0}, {stripWidth(size), size.height}});
}
