#include "platform/ui/views/UIAlertViewButton.h"

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/ControlColors.h"

namespace {

constexpr CGFloat kTitleInset = 8;
// A finger may stray this far outside the button and still press it, as on the platform.
constexpr CGFloat kTouchMargin = 20;

}  // namespace

Class UIAlertViewButton::classObject() {
    static const Class cls = defineClass<UIAlertViewButton>(
        "UIAlertViewButton", UIControl::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<UIAlertViewButton*>(self)->drawRect(rect);
                });
        });
    return cls;
}

UIAlertViewButton::UIAlertViewButton(std::string title, FontDescriptor font)
    : title_(std::move(title)), font_(std::move(font)) {}

void UIAlertViewButton::drawRect(CGRect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const CGRect bounds = this->bounds();
    if (highlighted_) {
        UIColor::colorWithWhite_alpha(0.85, 1)->setFill();
        UIRectFill(bounds);
    }
    const CGFloat lineHeight = Typesetter::sizeOfText(title_, font_).height;
    const CGRect line = {
        {bounds.origin.x + kTitleInset, bounds.origin.y + (bounds.size.height - lineHeight) / 2},
        {bounds.size.width - 2 * kTitleInset, lineHeight}};
    ControlColors::tint()->setFill();
    Typesetter::drawTextInRect(context, title_, font_, line, LineBreak::TruncateTail,
                               TextAlignment::Center);
}

void UIAlertViewButton::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!isEnabled() || touches.empty()) return;
    tracking_ = true;
    setHighlighted(true);
}

void UIAlertViewButton::touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) {
    if (tracking_) setHighlighted(isOver(touches));
}

void UIAlertViewButton::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!tracking_) return;
    tracking_ = false;
    setHighlighted(false);
    if (isOver(touches)) sendActionsForControlEvents(UIControlEventTouchUpInside);
}

void UIAlertViewButton::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    tracking_ = false;
    setHighlighted(false);
}

void UIAlertViewButton::setHighlighted(bool highlighted) {
    if (highlighted == highlighted_) return;
    highlighted_ = highlighted;
    setNeedsDisplay();
}

bool UIAlertViewButton::isOver(const UITouchSet& touches) const {
    return !touches.empty() &&
           CGRectContainsPoint(CGRectInset(bounds(), -kTouchMargin, -kTouchMargin),
                               touches.front()->locationInView(this));
}
