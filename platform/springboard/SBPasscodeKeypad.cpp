#include "platform/springboard/SBPasscodeKeypad.h"

#include <algorithm>
#include <string>

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"

Class SBPasscodeKeypad::classObject() {
    static const Class cls = defineClass<SBPasscodeKeypad>(
        "SBPasscodeKeypad", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<SBPasscodeKeypad*>(self)->drawRect(rect);
                });
        });
    return cls;
}

Class SBPasscodeDots::classObject() {
    static const Class cls =
        defineClass<SBPasscodeDots>("SBPasscodeDots", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<SBPasscodeDots*>(self)->drawRect(rect);
                });
        });
    return cls;
}

void SBPasscodeKeypad::drawRect(CGRect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const CGRect bounds = this->bounds();
    const CGFloat cellWidth = bounds.size.width / 3, cellHeight = bounds.size.height / 4;
    const CGFloat radius = std::min(cellWidth, cellHeight) * 0.38;
    const FontDescriptor digitFont{"Helvetica Neue", radius * 0.9, FontWeight::Regular};
    static const char* const kKeys[12] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "", "0", ""};
    CGContextSetRGBStrokeColor(context, 1, 1, 1, 0.85);
    CGContextSetLineWidth(context, 1.5);
    for (int index = 0; index < 12; ++index) {
        const std::string key = kKeys[index];
        if (key.empty()) continue;
        const CGPoint centre{(index % 3 + 0.5) * cellWidth, (index / 3 + 0.5) * cellHeight};
        CGContextStrokeEllipseInRect(
            context, CGRectMake(centre.x - radius, centre.y - radius, 2 * radius, 2 * radius));
        const CGSize size = Typesetter::sizeOfText(key, digitFont);
        CGContextSetRGBFillColor(context, 1, 1, 1, 1);
        Typesetter::drawTextAtPoint(context, key, digitFont,
                                    {centre.x - size.width / 2, centre.y - size.height / 2});
    }
}

void SBPasscodeDots::drawRect(CGRect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const CGRect bounds = this->bounds();
    const CGFloat diameter = std::min(bounds.size.height, bounds.size.width / 8);
    CGContextSetRGBStrokeColor(context, 1, 1, 1, 0.9);
    CGContextSetLineWidth(context, 1);
    for (int dot = 0; dot < 4; ++dot) {
        const CGFloat x = bounds.size.width / 2 + (dot - 2) * diameter * 2 + diameter / 2;
        CGContextStrokeEllipseInRect(context,
                                     CGRectInset(CGRectMake(x, 0, diameter, diameter), 0.5, 0.5));
    }
}
