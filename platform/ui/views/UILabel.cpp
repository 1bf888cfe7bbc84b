#include "platform/ui/views/UILabel.h"

#include <cmath>
#include <limits>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UIFont.h"

namespace {

constexpr CGFloat kDefaultFontSize = 17;
constexpr CGFloat kUnlimited = std::numeric_limits<CGFloat>::infinity();

}  // namespace

Class UILabel::classObject() {
    static const Class cls =
        defineClass<UILabel>("UILabel", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:",
                +[](id self, SEL, CGRect rect) { static_cast<UILabel*>(self)->drawRect(rect); });
        });
    return cls;
}

UILabel::UILabel() : UILabel(CGRectZero) {}

UILabel::UILabel(CGRect frame)
    : UIView(frame),
      font_(UIFont::systemFontOfSize(kDefaultFontSize)),
      textColor_(UIColor::blackColor()) {
    setUserInteractionEnabled(false);
    layer()->setNeedsDisplayOnBoundsChange(true);
}

void UILabel::setText(std::string text) {
    text_ = std::move(text);
    setNeedsDisplay();
}

void UILabel::setFont(std::shared_ptr<UIFont> font) {
    font_ = font ? std::move(font) : UIFont::systemFontOfSize(kDefaultFontSize);
    setNeedsDisplay();
}

void UILabel::setTextColor(std::shared_ptr<UIColor> color) {
    textColor_ = color ? std::move(color) : UIColor::blackColor();
    setNeedsDisplay();
}

void UILabel::setTextAlignment(NSTextAlignment alignment) {
    textAlignment_ = alignment;
    setNeedsDisplay();
}

void UILabel::setNumberOfLines(int lines) {
    numberOfLines_ = std::max(lines, 0);
    setNeedsDisplay();
}

void UILabel::setLineBreakMode(NSLineBreakMode mode) {
    lineBreakMode_ = mode;
    setNeedsDisplay();
}

CGSize UILabel::layoutBounds(CGSize size) const {
    if (numberOfLines_ == 1)
        return {kUnlimited, Typesetter::metrics(font_->descriptor()).lineHeight};
    if (numberOfLines_ == 0) return size;
    const CGFloat linesHeight =
        numberOfLines_ * Typesetter::metrics(font_->descriptor()).lineHeight;
    return {size.width, std::min(size.height, linesHeight)};
}

CGSize UILabel::sizeThatFits(CGSize size) const {
    if (text_.empty()) return CGSizeZero;
    const CGSize fitted = Typesetter::sizeOfTextInBounds(
        text_, font_->descriptor(), layoutBounds(size), typesetterLineBreak(lineBreakMode_));
    return {std::ceil(fitted.width), std::ceil(fitted.height)};
}

void UILabel::drawRect(CGRect) {
    if (text_.empty()) return;
    const CGRect area = bounds();
    const FontDescriptor& font = font_->descriptor();
    const LineBreak lineBreak = typesetterLineBreak(lineBreakMode_);
    CGSize allowed = layoutBounds(area.size);
    allowed.width = area.size.width;
    const CGSize used = Typesetter::sizeOfTextInBounds(text_, font, allowed, lineBreak);
    const CGRect lines = {{0, (area.size.height - used.height) / 2},
                          {area.size.width, used.height}};
    const CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextSetFillColorWithColor(context, textColor_->CGColor());
    Typesetter::drawTextInRect(context, text_, font, lines, lineBreak,
                               typesetterAlignment(textAlignment_));
}
