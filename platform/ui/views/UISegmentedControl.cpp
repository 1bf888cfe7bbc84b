#include "platform/ui/views/UISegmentedControl.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/detail/SegmentedControlDrawing.h"

Class UISegmentedControl::classObject() {
    static const Class cls = defineClass<UISegmentedControl>(
        "UISegmentedControl", UIControl::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<UISegmentedControl*>(self)->drawRect(rect);
                });
        });
    return cls;
}

UISegmentedControl::UISegmentedControl() : UISegmentedControl(std::vector<std::string>{}) {}

UISegmentedControl::UISegmentedControl(const std::vector<std::string>& items)
    : classic_(UIDevice::currentDevice().isSystemVersionBefore("7.0")), titles_(items) {
    setOpaque(false);
    layer()->setNeedsDisplayOnBoundsChange(true);
    setFrame({{0, 0}, sizeThatFits(CGSizeZero)});
}

void UISegmentedControl::setSelectedSegmentIndex(long index) {
    const bool exists = index >= 0 && static_cast<size_t>(index) < titles_.size();
    selected_ = exists ? index : UISegmentedControlNoSegment;
    setNeedsDisplay();
}

CGSize UISegmentedControl::sizeThatFits(CGSize) const {
    const UIFont& font = SegmentedControlDrawing::titleFont(classic_);
    CGFloat widest = 0;
    for (const std::string& title : titles_)
        widest = std::max(widest, Typesetter::sizeOfText(title, font.descriptor()).width);
    const CGFloat segment = std::ceil(widest) + 2 * SegmentedControlDrawing::titlePadding();
    return {segment * static_cast<CGFloat>(titles_.size()),
            SegmentedControlDrawing::height(classic_)};
}

void UISegmentedControl::drawRect(CGRect) {
    if (titles_.empty()) return;
    SegmentedControlDrawing::draw(UIGraphicsGetCurrentContext(), bounds(), titles_, selected_,
                                  classic_);
}

long UISegmentedControl::segmentAt(CGPoint point) const {
    const CGRect area = bounds();
    if (titles_.empty() || !CGRectContainsPoint(area, point)) return UISegmentedControlNoSegment;
    const CGFloat fraction = (point.x - area.origin.x) / area.size.width;
    const auto last = static_cast<long>(titles_.size()) - 1;
    return std::min(static_cast<long>(fraction * static_cast<CGFloat>(titles_.size())), last);
}

// Touches

void UISegmentedControl::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    tracking_ = isEnabled() && !touches.empty();
}

void UISegmentedControl::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!tracking_ || touches.empty()) return;
    tracking_ = false;
    const long segment = segmentAt(touches.front()->locationInView(this));
    if (segment == UISegmentedControlNoSegment || segment == selected_) return;
    setSelectedSegmentIndex(segment);
    sendActionsForControlEvents(UIControlEventValueChanged);
}

void UISegmentedControl::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    tracking_ = false;
}
