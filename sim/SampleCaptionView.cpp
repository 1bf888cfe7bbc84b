#include "sim/SampleCaptionView.h"

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UIFont.h"

namespace {

constexpr CGFloat kFontSize = 20;

}  // namespace

Class SampleCaptionView::classObject() {
    static const Class cls = defineClass<SampleCaptionView>(
        "SampleCaptionView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<SampleCaptionView*>(self)->drawRect(rect);
                });
        });
    return cls;
}

void SampleCaptionView::setText(std::string text) {
    text_ = std::move(text);
    setNeedsDisplay();
}

void SampleCaptionView::drawRect(CGRect) {
    const FontDescriptor font = UIFont::boldSystemFontOfSize(kFontSize)->descriptor();
    const CGRect area = bounds();
    const CGSize size =
        Typesetter::sizeOfTextInBounds(text_, font, area.size, LineBreak::TruncateTail);
    const CGRect line = {{0, (area.size.height - size.height) / 2}, {area.size.width, size.height}};
    const CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextSetRGBFillColor(context, 0.27, 0.21, 0.08, 1);
    Typesetter::drawTextInRect(context, text_, font, line, LineBreak::TruncateTail,
                               TextAlignment::Center);
}
