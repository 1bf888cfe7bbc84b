#include "prefs/colorpicker/SelectionLayer.h"

#include "platform/graphics/UIColor.h"

void SelectionLayer::drawInContext(const CGContextRef& context) {
    if (!outerRingColor_ || !innerRingColor_) {
        outerRingColor_ = UIColor::colorWithWhite_alpha(1.0, 0.4)->CGColor();
        innerRingColor_ = UIColor::colorWithWhite_alpha(0.0, 1.0)->CGColor();
    }
    const CGRect bounds = this->bounds();
    CGContextSetLineWidth(context, 3);
    CGContextSetStrokeColorWithColor(context, outerRingColor_);
    CGContextStrokeEllipseInRect(context, CGRectInset(bounds, 1.5, 1.5));
    CGContextSetLineWidth(context, 2);
    CGContextSetStrokeColorWithColor(context, innerRingColor_);
    CGContextStrokeEllipseInRect(context, CGRectInset(bounds, 3, 3));
}
