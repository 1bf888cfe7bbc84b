#include "platform/ui/text/UITextField.h"

#include <algorithm>

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/KeyboardPresenter.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/text/detail/RoundedRectPath.h"
#include "platform/ui/views/UIWindow.h"

namespace {

constexpr CGFloat kDefaultFontSize = 17;
constexpr char kBullet[] = "\u2022";
constexpr size_t kBulletBytes = sizeof(kBullet) - 1;
// A line this long is far wider than any field; laying out more would slow every keystroke.
constexpr size_t kLaidOutCharacters = 4096;
// The rounded border and the space it leaves around the text.
constexpr CGFloat kBorderCornerRadius = 5;
constexpr CGFloat kBorderTextInset = 7;
// The clear button: a grey disc with a white cross, this far in from the right edge; a finger
// anywhere within the margin around it counts.
constexpr CGFloat kClearButtonDiameter = 15;
constexpr CGFloat kClearButtonMargin = 7;
constexpr CGFloat kClearCrossInset = 4.5;
constexpr CGFloat kClearCrossWidth = 1.5;
// A disabled field is drawn at this opacity.
constexpr CGFloat kDisabledAlpha = 0.45;

std::shared_ptr<UIColor> placeholderColor() {
    return UIColor::colorWithWhite_alpha(0.7, 1);
}

}  // namespace

Class UITextField::classObject() {
    static const Class cls =
        defineClass<UITextField>("UITextField", UIControl::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<UITextField*>(self)->drawRect(rect);
                });
        });
    return cls;
}

UITextField::UITextField() : UITextField(CGRectZero) {}

UITextField::UITextField(CGRect frame)
    : UIControl(frame),
      font_(UIFont::systemFontOfSize(kDefaultFontSize)),
      textColor_(UIColor::blackColor()),
      caret_(layer()) {
    setClipsToBounds(true);
    layer()->setNeedsDisplayOnBoundsChange(true);
}

UITextField::~UITextField() {
    KeyboardPresenter::dismiss(*this);
}

void UITextField::setText(std::string_view text) {
    text_.setText(text);
    appearanceChanged();
}

void UITextField::setPlaceholder(std::string placeholder) {
    placeholder_ = std::move(placeholder);
    setNeedsDisplay();
}

void UITextField::setFont(std::shared_ptr<UIFont> font) {
    font_ = font ? std::move(font) : UIFont::systemFontOfSize(kDefaultFontSize);
    appearanceChanged();
}

void UITextField::setTextColor(std::shared_ptr<UIColor> color) {
    textColor_ = color ? std::move(color) : UIColor::blackColor();
    setNeedsDisplay();
}

void UITextField::setSecureTextEntry(bool secure) {
    secureTextEntry_ = secure;
    appearanceChanged();
}

void UITextField::setClearButtonMode(UITextFieldViewMode mode) {
    clearButtonMode_ = mode;
    appearanceChanged();
}

void UITextField::setBorderStyle(UITextBorderStyle style) {
    borderStyle_ = style;
    appearanceChanged();
}

void UITextField::setEnabled(bool enabled) {
    UIControl::setEnabled(enabled);
    if (!enabled && isFirstResponder()) resignFirstResponder();
    setNeedsDisplay();
}

std::string UITextField::displayedText() const {
    const std::string_view laidOut = text_.leadingText(kLaidOutCharacters);
    if (!secureTextEntry_) return std::string(laidOut);
    std::string bullets;
    for (size_t i = EditableText::countCharacters(laidOut); i > 0; --i) bullets += kBullet;
    return bullets;
}

size_t UITextField::displayedCaretIndex() const {
    return secureTextEntry_ ? text_.charactersBeforeCaret() * kBulletBytes : text_.caret();
}

bool UITextField::isClearButtonShown() const {
    if (text().empty()) return false;
    switch (clearButtonMode_) {
        case UITextFieldViewModeWhileEditing:
            return isEditing();
        case UITextFieldViewModeUnlessEditing:
            return !isEditing();
        case UITextFieldViewModeAlways:
            return true;
        default:
            return false;
    }
}

CGRect UITextField::clearButtonRect() const {
    const CGRect area = bounds();
    return {{CGRectGetMaxX(area) - kClearButtonMargin - kClearButtonDiameter,
             CGRectGetMidY(area) - kClearButtonDiameter / 2},
            {kClearButtonDiameter, kClearButtonDiameter}};
}

CGRect UITextField::textRect() const {
    const CGRect area = bounds();
    const CGFloat inset = borderStyle_ == UITextBorderStyleRoundedRect ? kBorderTextInset : 0;
    CGFloat right = CGRectGetMaxX(area) - inset;
    if (isClearButtonShown()) right = CGRectGetMinX(clearButtonRect()) - kClearButtonMargin;
    const CGFloat lineHeight = Typesetter::metrics(font_->descriptor()).lineHeight;
    return {{inset, CGRectGetMidY(area) - lineHeight / 2},
            {std::max<CGFloat>(right - inset, 0), lineHeight}};
}

CGFloat UITextField::textOffset() const {
    if (!isEditing()) return 0;
    const CGFloat caretX = Typesetter::caretRectForIndex(displayedText(), font_->descriptor(), 0,
                                                         displayedCaretIndex())
                               .origin.x;
    return std::max<CGFloat>(caretX + TextCaret::kWidth - textRect().size.width, 0);
}

CGRect UITextField::caretRect() const {
    const CGRect line = Typesetter::caretRectForIndex(displayedText(), font_->descriptor(), 0,
                                                      displayedCaretIndex());
    const CGRect area = textRect();
    return CGRectOffset(line, area.origin.x - textOffset(), area.origin.y);
}

void UITextField::appearanceChanged() {
    setNeedsDisplay();
    if (isEditing() && text_.caret() <= text_.leadingText(kLaidOutCharacters).size()) {
        caret_.showAt(caretRect());
    } else {
        caret_.hide();
    }
}

bool UITextField::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!UIResponder::becomeFirstResponder()) return false;
    appearanceChanged();
    KeyboardPresenter::present(*this);
    if (auto watcher = delegate()) watcher->textFieldDidBeginEditing(this);
    sendActionsForControlEvents(UIControlEventEditingDidBegin);
    return true;
}

bool UITextField::resignFirstResponder() {
    const bool wasEditing = isFirstResponder();
    if (!UIResponder::resignFirstResponder()) return false;
    if (!wasEditing) return true;
    appearanceChanged();
    KeyboardPresenter::dismiss(*this);
    if (auto watcher = delegate()) watcher->textFieldDidEndEditing(this);
    sendActionsForControlEvents(UIControlEventEditingDidEnd);
    return true;
}

void UITextField::insertText(const std::string& text) {
    // The delegate may end the editing at a return, or let go of the field.
    const auto keepAlive = shared_from_this();
    std::string_view rest = text;
    for (;;) {
        const size_t newline = rest.find('\n');
        if (const std::string_view line = rest.substr(0, newline); !line.empty()) {
            text_.insert(line);
            textChangedByUser();
        }
        if (newline == std::string_view::npos) return;
        returnPressed();
        // Keys pressed after the editing ended go nowhere.
        if (!isFirstResponder()) return;
        rest.remove_prefix(newline + 1);
    }
}

void UITextField::deleteBackward() {
    if (text_.deleteBackward()) textChangedByUser();
}

void UITextField::returnPressed() {
    if (auto watcher = delegate()) watcher->textFieldShouldReturn(this);
}

void UITextField::textChangedByUser() {
    appearanceChanged();
    sendActionsForControlEvents(UIControlEventEditingChanged);
}

void UITextField::clear() {
    text_.setText("");
    textChangedByUser();
}

void UITextField::touchesBegan_withEvent(const UITouchSet&, UIEvent*) {}

void UITextField::touchesMoved_withEvent(const UITouchSet&, UIEvent*) {}

void UITextField::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!isEnabled() || touches.empty()) return;
    const CGPoint point = touches.front()->locationInView(this);
    if (!CGRectContainsPoint(bounds(), point)) return;
    const CGRect clearArea =
        CGRectInset(clearButtonRect(), -kClearButtonMargin, -kClearButtonMargin);
    if (isClearButtonShown() && CGRectContainsPoint(clearArea, point)) {
        clear();
    } else if (!secureTextEntry_) {
        // A secure field keeps its caret at the end: its bullets say nothing of where to go.
        const CGRect area = textRect();
        text_.setCaret(Typesetter::caretIndexAtPoint(
            displayedText(), font_->descriptor(), 0,
            {point.x - area.origin.x + textOffset(), point.y - area.origin.y}));
    }
    if (isFirstResponder()) {
        appearanceChanged();
    } else {
        becomeFirstResponder();
    }
}

void UITextField::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {}

void UITextField::didMoveToWindow() {
    if (!window() && isFirstResponder()) resignFirstResponder();
}

void UITextField::layoutSubviews() {
    appearanceChanged();
}

void UITextField::drawBorder(const CGContextRef& context) const {
    const CGRect edge = CGRectInset(bounds(), 0.5, 0.5);
    CGContextBeginPath(context);
    addRoundedRectPath(context, edge, kBorderCornerRadius);
    CGContextSetGrayFillColor(context, 1, 1);
    CGContextSetGrayStrokeColor(context, 0.8, 1);
    CGContextSetLineWidth(context, 1);
    CGContextDrawPath(context, kCGPathFillStroke);
}

void UITextField::drawClearButton(const CGContextRef& context) const {
    const CGRect disc = clearButtonRect();
    CGContextSetGrayFillColor(context, 0.7, 1);
    CGContextFillEllipseInRect(context, disc);
    const CGRect cross = CGRectInset(disc, kClearCrossInset, kClearCrossInset);
    CGContextBeginPath(context);
    CGContextMoveToPoint(context, CGRectGetMinX(cross), CGRectGetMinY(cross));
    CGContextAddLineToPoint(context, CGRectGetMaxX(cross), CGRectGetMaxY(cross));
    CGContextMoveToPoint(context, CGRectGetMaxX(cross), CGRectGetMinY(cross));
    CGContextAddLineToPoint(context, CGRectGetMinX(cross), CGRectGetMaxY(cross));
    CGContextSetGrayStrokeColor(context, 1, 1);
    CGContextSetLineWidth(context, kClearCrossWidth);
    CGContextSetLineCap(context, kCGLineCapRound);
    CGContextStrokePath(context);
}

void UITextField::drawRect(CGRect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const GraphicsStateSaver saved(context);
    if (!isEnabled()) CGContextSetAlpha(context, kDisabledAlpha);
    if (borderStyle_ == UITextBorderStyleRoundedRect) drawBorder(context);
    if (isClearButtonShown()) drawClearButton(context);

    // The line is cut at the sides of its area, never wrapped.
    const CGRect area = textRect();
    CGContextClipToRect(context, {{area.origin.x, 0}, {area.size.width, bounds().size.height}});
    const bool showsPlaceholder = text().empty();
    const std::string shown = showsPlaceholder ? placeholder_ : displayedText();
    CGContextSetFillColorWithColor(context,
                                   (showsPlaceholder ? placeholderColor() : textColor_)->CGColor());
    Typesetter::drawTextAtPoint(context, shown, font_->descriptor(),
                                {area.origin.x - textOffset(), area.origin.y});
}
