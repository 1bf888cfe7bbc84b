#pragma once

#include <memory>
#include <string>

#include "platform/ui/text/NSParagraphStyle.h"
#include "platform/ui/views/UIView.h"

class UIColor;
class UIFont;

// Read-only text in a view: one line by default, or wrapped over `numberOfLines` lines (0 for as
// many as fit), truncated or clipped by the line-break mode, aligned across the view and centred
// down it. Measured and drawn with the typesetter. The font and colour are shared, not copied.
class UILabel : public UIView {
    RUNTIME_CLASS(UILabel)
    UILabel();
    explicit UILabel(CGRect frame);

    const std::string& text() const { return text_; }
    void setText(std::string text);
    // The system font of 17 points unless set; null sets it back.
    const std::shared_ptr<UIFont>& font() const { return font_; }
    void setFont(std::shared_ptr<UIFont> font);
    // Black unless set; null sets it back.
    const std::shared_ptr<UIColor>& textColor() const { return textColor_; }
    void setTextColor(std::shared_ptr<UIColor> color);
    NSTextAlignment textAlignment() const { return textAlignment_; }
    void setTextAlignment(NSTextAlignment alignment);
    // 1 by default; 0 means no limit. Negative counts read as 0.
    int numberOfLines() const { return numberOfLines_; }
    void setNumberOfLines(int lines);
    NSLineBreakMode lineBreakMode() const { return lineBreakMode_; }
    void setLineBreakMode(NSLineBreakMode mode);
    // Remembered for callers that set it; the label never shrinks its text.
    bool adjustsFontSizeToFitWidth() const { return adjustsFontSizeToFitWidth_; }
    void setAdjustsFontSizeToFitWidth(bool adjusts) { adjustsFontSizeToFitWidth_ = adjusts; }

    // The text's size within `size` (its width wraps, its height limits the lines), rounded up
    // to whole points as the platform's labels are. A single-line label never wraps.
    CGSize sizeThatFits(CGSize size) const override;
    void drawRect(CGRect rect) override;

private:
    // The bounds the text is laid out in: `size` cut down to the allowed number of lines.
    CGSize layoutBounds(CGSize size) const;

    std::string text_;
    std::shared_ptr<UIFont> font_;
    std::shared_ptr<UIColor> textColor_;
    NSTextAlignment textAlignment_ = NSTextAlignmentLeft;
    int numberOfLines_ = 1;
    NSLineBreakMode lineBreakMode_ = NSLineBreakByTruncatingTail;
    bool adjustsFontSizeToFitWidth_ = false;
};
