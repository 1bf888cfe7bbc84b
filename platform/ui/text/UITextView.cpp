#include "platform/ui/text/UITextView.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/KeyboardPresenter.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIWindow.h"

namespace {

constexpr CGFloat kDefaultFontSize = 12;
// No glyph but a zero-width mark is narrower than this fraction of its font's size.
constexpr double kNarrowestGlyph = 0.1;
// More characters than any screen holds, and well inside size_t.
constexpr double kMostCharacters = 1e9;

}  // namespace

Class UITextView::classObject() {
    static const Class cls =
        defineClass<UITextView>("UITextView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:",
                +[](id self, SEL, CGRect rect) { static_cast<UITextView*>(self)->drawRect(rect); });
        });
    return cls;
}

UITextView::UITextView() : UITextView(CGRectZero) {}

UITextView::UITextView(CGRect frame)
    : UIView(frame),
      font_(UIFont::systemFontOfSize(kDefaultFontSize)),
      textColor_(UIColor::blackColor()),
      caret_(layer()) {
    setBackgroundColor(UIColor::whiteColor());
    setClipsToBounds(true);
    layer()->setNeedsDisplayOnBoundsChange(true);
}

UITextView::~UITextView() {
    KeyboardPresenter::dismiss(*this);
}

void UITextView::setText(std::string_view text) {
    text_.setText(text);
    setNeedsDisplay();
    updateCaret();
}

void UITextView::setFont(std::shared_ptr<UIFont> font) {
    font_ = font ? std::move(font) : UIFont::systemFontOfSize(kDefaultFontSize);
    setNeedsDisplay();
    updateCaret();
}

void UITextView::setTextColor(std::shared_ptr<UIColor> color) {
    textColor_ = color ? std::move(color) : UIColor::blackColor();
    setNeedsDisplay();
}

void UITextView::setEditable(bool editable) {
    editable_ = editable;
    if (!editable_ && isFirstResponder()) resignFirstResponder();
}

void UITextView::setCaretIndex(size_t index) {
    text_.setCaret(index);
    updateCaret();
}

CGPoint UITextView::textOrigin() const {
    return {kLineFragmentPadding, kTextContainerInsetTop};
}

CGFloat UITextView::lineWidth() const {
    return std::max<CGFloat>(bounds().size.width - 2 * kLineFragmentPadding, 0);
}

std::string_view UITextView::laidOutText() const {
    // Laying out only what can show keeps a long text from slowing every keystroke: a line holds
    // at most its width over the narrowest glyph, and the line cut by the bottom shows too.
    const FontDescriptor& font = font_->descriptor();
    const double lines = std::ceil(bounds().size.height / Typesetter::metrics(font).lineHeight) + 1;
    const double perLine = std::floor(lineWidth() / (kNarrowestGlyph * font.usablePointSize())) + 1;
    const double characters = lines * perLine;
    return text_.leadingText(static_cast<size_t>(
        std::isfinite(characters) ? std::clamp(characters, 0.0, kMostCharacters) : 0));
}

CGRect UITextView::caretRect() const {
    const CGRect line = Typesetter::caretRectForIndex(laidOutText(), font_->descriptor(),
                                                      lineWidth(), caretIndex());
    const CGPoint origin = textOrigin();
    return CGRectOffset(line, origin.x, origin.y);
}

void UITextView::updateCaret() {
    if (isFirstResponder() && caretIndex() <= laidOutText().size()) {
        caret_.showAt(caretRect());
    } else {
        caret_.hide();
    }
}

bool UITextView::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!UIResponder::becomeFirstResponder()) return false;
    updateCaret();
    KeyboardPresenter::present(*this);
    if (auto watcher = delegate()) watcher->textViewDidBeginEditing(this);
    return true;
}

bool UITextView::resignFirstResponder() {
    const bool wasEditing = isFirstResponder();
    if (!UIResponder::resignFirstResponder()) return false;
    if (!wasEditing) return true;
    updateCaret();
    KeyboardPresenter::dismiss(*this);
    if (auto watcher = delegate()) watcher->textViewDidEndEditing(this);
    return true;
}

void UITextView::insertText(const std::string& text) {
    text_.insert(text);
    textChangedByUser();
}

void UITextView::deleteBackward() {
    if (text_.deleteBackward()) textChangedByUser();
}

void UITextView::textChangedByUser() {
    setNeedsDisplay();
    updateCaret();
    if (auto watcher = delegate()) watcher->textViewDidChange(this);
}

void UITextView::touchesBegan_withEvent(const UITouchSet&, UIEvent*) {}

void UITextView::touchesMoved_withEvent(const UITouchSet&, UIEvent*) {}

void UITextView::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!editable_ || touches.empty()) return;
    const CGPoint point = touches.front()->locationInView(this);
    if (!CGRectContainsPoint(bounds(), point)) return;
    const CGPoint origin = textOrigin();
    text_.setCaret(Typesetter::caretIndexAtPoint(laidOutText(), font_->descriptor(), lineWidth(),
                                                 {point.x - origin.x, point.y - origin.y}));
    if (isFirstResponder()) {
        updateCaret();
    } else {
        becomeFirstResponder();
    }
}

void UITextView::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {}

void UITextView::didMoveToWindow() {
    if (!window() && isFirstResponder()) resignFirstResponder();
}

void UITextView::layoutSubviews() {
    updateCaret();
}

void UITextView::drawRect(CGRect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const FontDescriptor& font = font_->descriptor();
    const CGPoint origin = textOrigin();
    // Room for one more line than fits, so that a line cut by the bottom edge shows its top.
    const CGFloat height = bounds().size.height - origin.y + Typesetter::metrics(font).lineHeight;
    CGContextSetFillColorWithColor(context, textColor_->CGColor());
    Typesetter::drawTextInRect(context, laidOutText(), font, {origin, {lineWidth(), height}},
                               LineBreak::WordWrap, TextAlignment::Left);
}
