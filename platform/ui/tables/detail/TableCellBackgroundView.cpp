#include "platform/ui/tables/detail/TableCellBackgroundView.h"

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/tables/TableLook.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/detail/RoundedRectPath.h"

namespace {

// One device pixel.
CGFloat hairline() {
    return 1 / UIScreen::mainScreen().scale();
}

}  // namespace

Class TableCellBackgroundView::classObject() {
    static const Class cls = defineClass<TableCellBackgroundView>(
        "TableCellBackgroundView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<TableCellBackgroundView*>(self)->drawRect(rect);
                });
        });
    return cls;
}

TableCellBackgroundView::TableCellBackgroundView() {
    setUserInteractionEnabled(false);
    layer()->setNeedsDisplayOnBoundsChange(true);
}

void TableCellBackgroundView::configure(const TableLook& look, Kind kind, TableRowPlace place) {
    if (look_ == &look && kind_ == kind && place_ == place) return;
    look_ = &look;
    kind_ = kind;
    place_ = place;
    setNeedsDisplay();
}

void TableCellBackgroundView::drawRect(CGRect) {
    if (look_ == nullptr) return;
    const CGContextRef context = UIGraphicsGetCurrentContext();
    if (look_->classic && place_.grouped) {
        drawClassicGroup(context);
    } else {
        drawFlat(context);
    }
}

void TableCellBackgroundView::drawFlat(const CGContextRef& context) const {
    const CGRect area = bounds();
    const auto& fill = kind_ == Kind::Selection ? look_->selection : look_->rowBackground;
    CGContextSetFillColorWithColor(context, fill->CGColor());
    CGContextFillRect(context, area);
    if (kind_ == Kind::Selection) return;

    const CGFloat line = hairline();
    CGContextSetFillColorWithColor(context, look_->separator->CGColor());
    if (place_.grouped && place_.first)
        CGContextFillRect(context, {{0, 0}, {area.size.width, line}});
    const CGFloat inset = place_.grouped && place_.last ? 0 : look_->separatorInset;
    CGContextFillRect(context, {{inset, area.size.height - line}, {area.size.width - inset, line}});
}

void TableCellBackgroundView::drawClassicGroup(const CGContextRef& context) const {
    const CGRect area = bounds();
    const CGFloat line = hairline();
    const CGFloat radius = look_->groupCornerRadius;
    // The border runs along the pixels just inside the piece; a row below the first one leaves
    // its top edge to the line under the row above.
    const CGRect outline = CGRectInset(area, line / 2, line / 2);
    const CGFloat top = place_.first ? radius : 0;
    const CGFloat bottom = place_.last ? radius : 0;

    CGContextBeginPath(context);
    addRoundedRectPath(context, outline, top, bottom);
    const auto& fill = kind_ == Kind::Selection ? look_->selection : look_->rowBackground;
    CGContextSetFillColorWithColor(context, fill->CGColor());
    CGContextFillPath(context);
    if (kind_ == Kind::Selection) return;

    GraphicsStateSaver saver(context);
    if (!place_.first)
        CGContextClipToRect(context, {{0, line}, {area.size.width, area.size.height - line}});
    CGContextBeginPath(context);
    addRoundedRectPath(context, outline, top, bottom);
    CGContextSetStrokeColorWithColor(context, look_->groupBorder->CGColor());
    CGContextSetLineWidth(context, line);
    CGContextStrokePath(context);
}
