#pragma once

#include <string_view>

#include "platform/graphics/CGContext.h"
#include "platform/graphics/FontDescriptor.h"

enum class LineBreak { WordWrap, CharWrap, Clip, TruncateHead, TruncateTail, TruncateMiddle };
enum class TextAlignment { Left, Center, Right };

struct FontMetrics {
    CGFloat ascender;   // above the baseline, positive
    CGFloat descender;  // below the baseline, negative
    CGFloat lineHeight;
};

// Measures and draws UTF-8 text (invalid sequences are replaced) with Pango. Sizes are in user
// space points, unrounded. Text is drawn in the context's fill colour, upright in a y-down (UIKit)
// context, with the given point as the top-left of the first line. Safe to call from any thread.
class Typesetter {
  public:
    static FontMetrics metrics(const FontDescriptor& font);
    // One line per newline, never wrapped.
    static CGSize sizeOfText(std::string_view text, const FontDescriptor& font);
    // Wrapped within bounds.width (characters or words as the mode says; words too long for a
    // line are broken), as many whole lines as fit in bounds.height (at least one); truncating
    // modes end the last line with an ellipsis when text is left over.
    static CGSize sizeOfTextInBounds(std::string_view text, const FontDescriptor& font,
                                     CGSize bounds, LineBreak lineBreak);
    static void drawTextAtPoint(const CGContextRef& context, std::string_view text,
                                const FontDescriptor& font, CGPoint point);
    // Laid out as sizeOfTextInBounds with the rectangle's size, aligned within its width.
    // Returns the size drawn.
    static CGSize drawTextInRect(const CGContextRef& context, std::string_view text,
                                 const FontDescriptor& font, CGRect rect, LineBreak lineBreak,
                                 TextAlignment alignment);

    // Caret positions in text laid out left-aligned as drawTextInRect lays it out with word
    // wrapping at `width` (not wrapped when the width is 0 or not finite), the first line's
    // top-left at (0, 0). Indexes are byte offsets into the text, which should be valid UTF-8
    // for them to mean anything; an index inside a character or beyond the end is taken back to
    // the nearest character boundary.
    //
    // The caret before the character at `index`: its x, the top of its line and the line's
    // height, zero wide.
    static CGRect caretRectForIndex(std::string_view text, const FontDescriptor& font,
                                    CGFloat width, size_t index);
    // The caret position nearest to `point`.
    static size_t caretIndexAtPoint(std::string_view text, const FontDescriptor& font,
                                    CGFloat width, CGPoint point);
};
