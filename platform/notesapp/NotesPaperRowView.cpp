#include "platform/notesapp/NotesPaperRowView.h"

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIScreen.h"

Class NotesPaperRowView::classObject() {
    static const Class cls = defineClass<NotesPaperRowView>(
        "NotesPaperRowView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<NotesPaperRowView*>(self)->drawRect(rect);
                });
        });
    return cls;
}

NotesPaperRowView::NotesPaperRowView()
    : NotesPaperRowView(UIColor::whiteColor(), UIColor::grayColor()) {}

NotesPaperRowView::NotesPaperRowView(std::shared_ptr<UIColor> paper, std::shared_ptr<UIColor> rule)
    : paper_(std::move(paper)), rule_(std::move(rule)) {
    setOpaque(true);
}

void NotesPaperRowView::drawRect(CGRect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const CGRect area = bounds();
    CGContextSetFillColorWithColor(context, paper_->CGColor());
    CGContextFillRect(context, area);
    const CGFloat pixel = 1 / UIScreen::mainScreen().scale();
    CGContextSetFillColorWithColor(context, rule_->CGColor());
    CGContextFillRect(context,
                      {{area.origin.x, CGRectGetMaxY(area) - pixel}, {area.size.width, pixel}});
}
