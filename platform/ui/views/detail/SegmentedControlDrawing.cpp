#include "platform/ui/views/detail/SegmentedControlDrawing.h"

#include <memory>

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/graphics/RoundedRectPath.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/detail/ControlDrawing.h"

namespace {

// The colours of one look: the outline and dividers, each kind of segment (top and bottom of
// its gradient; the same for a flat fill, none for a flat clear one) and its title.
struct Palette {
    CGFloat cornerRadius;
    uint32_t border;
    uint32_t divider;
    bool fillsUnselected;
    uint32_t unselectedTop, unselectedBottom, unselectedTitle;
    uint32_t selectedTop, selectedBottom, selectedTitle;
};

constexpr Palette kFlat{4, 0x007AFF, 0x007AFF, false, 0, 0, 0x007AFF, 0x007AFF, 0x007AFF, 0xFFFFFF};
constexpr Palette kClassic{5,        0x8C8C8C, 0xA6A6A6, true,     0xFFFFFF,
                           0xDCDCDC, 0x4C4C4C, 0x2F8CF2, 0x1A5DD0, 0xFFFFFF};

CGRect segmentRect(CGRect area, size_t index, size_t count) {
    const CGFloat width = area.size.width / static_cast<CGFloat>(count);
    return {{area.origin.x + width * static_cast<CGFloat>(index), area.origin.y},
            {width, area.size.height}};
}

}  // namespace

namespace SegmentedControlDrawing {

CGFloat height(bool classic) {
    return classic ? 30 : 29;
}

const UIFont& titleFont(bool classic) {
    static const auto flat = UIFont::systemFontOfSize(13);
    static const auto bold = UIFont::boldSystemFontOfSize(13);
    return classic ? *bold : *flat;
}

CGFloat titlePadding() {
    return 10;
}

void draw(const CGContextRef& context, CGRect area, const std::vector<std::string>& titles,
          long selected, bool classic) {
    const Palette& palette = classic ? kClassic : kFlat;
    const CGRect outline = CGRectInset(area, 0.5, 0.5);
    const size_t count = titles.size();
    {
        GraphicsStateSaver saver(context);
        CGContextBeginPath(context);
        addRoundedRectPath(context, outline, palette.cornerRadius);
        CGContextClip(context);
        for (size_t index = 0; index < count; ++index) {
            const CGRect segment = segmentRect(area, index, count);
            const bool isSelected = static_cast<long>(index) == selected;
            if (isSelected) {
                ControlDrawing::fillVerticalGradient(context, segment, palette.selectedTop,
                                                     palette.selectedBottom);
            } else if (palette.fillsUnselected) {
                ControlDrawing::fillVerticalGradient(context, segment, palette.unselectedTop,
                                                     palette.unselectedBottom);
            }
            if (index > 0) {
                ControlDrawing::setFillColor(context, palette.divider);
                CGContextFillRect(context,
                                  {{segment.origin.x - 0.5, area.origin.y}, {1, area.size.height}});
            }
            ControlDrawing::drawCentredText(
                context, titles[index], titleFont(classic),
                isSelected ? palette.selectedTitle : palette.unselectedTitle,
                CGRectInset(segment, titlePadding() / 2, 0));
        }
    }
    CGContextBeginPath(context);
    addRoundedRectPath(context, outline, palette.cornerRadius);
    ControlDrawing::setStrokeColor(context, palette.border);
    CGContextSetLineWidth(context, 1);
    CGContextStrokePath(context);
}

}  // namespace SegmentedControlDrawing
