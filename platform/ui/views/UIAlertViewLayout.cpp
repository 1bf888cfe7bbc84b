#include "platform/ui/views/UIAlertViewLayout.h"

#include <algorithm>

#include "platform/graphics/Typesetter.h"

namespace {

constexpr CGFloat kSideMargin = 16;
constexpr CGFloat kTopMargin = 19;
constexpr CGFloat kBottomMargin = 19;
constexpr CGFloat kTitleMessageGap = 4;
constexpr CGFloat kTextFieldGap = 14;
constexpr CGFloat kTextFieldHeight = 26;
constexpr CGFloat kHairline = 0.5;

// The wrapped height of `text`, within `maximumHeight` (one line at least); none for no text.
CGFloat wrappedHeight(const std::string& text, const FontDescriptor& font, CGFloat width,
                      CGFloat maximumHeight) {
    if (text.empty()) return 0;
    return Typesetter::sizeOfTextInBounds(text, font, {width, std::max(maximumHeight, 1.0)},
                                          LineBreak::WordWrap)
        .height;
}

// Button indices from top to bottom: the others in order, then the cancel button (index 0).
std::vector<size_t> stackOrder(size_t count, bool hasCancelButton) {
    std::vector<size_t> order;
    for (size_t index = hasCancelButton ? 1 : 0; index < count; ++index) order.push_back(index);
    if (hasCancelButton && count > 0) order.push_back(0);
    return order;
}

}  // namespace

FontDescriptor UIAlertViewLayout::titleFont() {
    return {"Helvetica Neue", 17, FontWeight::Bold};
}

FontDescriptor UIAlertViewLayout::messageFont() {
    return {"Helvetica Neue", 14, FontWeight::Regular};
}

FontDescriptor UIAlertViewLayout::buttonFont(bool isCancel) {
    return {"Helvetica Neue", 17, isCancel ? FontWeight::Bold : FontWeight::Regular};
}

UIAlertViewLayout UIAlertViewLayout::make(const Content& content) {
    UIAlertViewLayout layout;
    const CGFloat textWidth = kWidth - 2 * kSideMargin;
    const size_t rows = content.buttonCount == 2 ? 1 : content.buttonCount;
    const CGFloat buttonsHeight = static_cast<CGFloat>(rows) * kButtonHeight;
    const CGFloat textFieldBlock = content.hasTextField ? kTextFieldGap + kTextFieldHeight : 0;
    const CGFloat textBudget =
        content.maximumHeight - buttonsHeight - kTopMargin - kBottomMargin - textFieldBlock;

    CGFloat y = kTopMargin;
    const CGFloat titleHeight = wrappedHeight(content.title, titleFont(), textWidth, textBudget);
    layout.titleRect = {{kSideMargin, y}, {textWidth, titleHeight}};
    y += titleHeight;
    if (!content.title.empty() && !content.message.empty()) y += kTitleMessageGap;
    const CGFloat messageHeight =
        wrappedHeight(content.message, messageFont(), textWidth, textBudget - (y - kTopMargin));
    layout.messageRect = {{kSideMargin, y}, {textWidth, messageHeight}};
    y += messageHeight;
    if (content.hasTextField) {
        y += kTextFieldGap;
        layout.textFieldRect = {{kSideMargin, y}, {textWidth, kTextFieldHeight}};
        y += kTextFieldHeight;
    }
    y += kBottomMargin;

    layout.buttonRects.resize(content.buttonCount);
    if (content.buttonCount > 0) layout.separators.push_back({{0, y}, {kWidth, kHairline}});
    if (content.buttonCount == 2) {
        layout.buttonRects[0] = {{0, y}, {kWidth / 2, kButtonHeight}};
        layout.buttonRects[1] = {{kWidth / 2, y}, {kWidth / 2, kButtonHeight}};
        layout.separators.push_back({{kWidth / 2, y}, {kHairline, kButtonHeight}});
        y += kButtonHeight;
    } else {
        bool first = true;
        for (const size_t index : stackOrder(content.buttonCount, content.hasCancelButton)) {
            if (!first) layout.separators.push_back({{0, y}, {kWidth, kHairline}});
            first = false;
            layout.buttonRects[index] = {{0, y}, {kWidth, kButtonHeight}};
            y += kButtonHeight;
        }
    }
    layout.size = {kWidth, y};
    return layout;
}
