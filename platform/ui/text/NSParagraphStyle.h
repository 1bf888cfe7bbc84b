#pragma once

#include "platform/graphics/Typesetter.h"

// The platform's text alignment and line-break values, and their typesetter equivalents.
enum NSTextAlignment : int {
    NSTextAlignmentLeft = 0,
    NSTextAlignmentCenter = 1,
    NSTextAlignmentRight = 2,
};

enum NSLineBreakMode : int {
    NSLineBreakByWordWrapping = 0,
    NSLineBreakByCharWrapping = 1,
    NSLineBreakByClipping = 2,
    NSLineBreakByTruncatingHead = 3,
    NSLineBreakByTruncatingTail = 4,
    NSLineBreakByTruncatingMiddle = 5,
};

// Values outside the enums (they arrive as plain integers from callers) read as the defaults:
// left alignment, word wrapping.
inline TextAlignment typesetterAlignment(NSTextAlignment alignment) {
    switch (alignment) {
        case NSTextAlignmentCenter:
            return TextAlignment::Center;
        case NSTextAlignmentRight:
            return TextAlignment::Right;
        default:
            return TextAlignment::Left;
    }
}

inline LineBreak typesetterLineBreak(NSLineBreakMode mode) {
    switch (mode) {
        case NSLineBreakByCharWrapping:
            return LineBreak::CharWrap;
        case NSLineBreakByClipping:
            return LineBreak::Clip;
        case NSLineBreakByTruncatingHead:
            return LineBreak::TruncateHead;
        case NSLineBreakByTruncatingTail:
            return LineBreak::TruncateTail;
        case NSLineBreakByTruncatingMiddle:
            return LineBreak::TruncateMiddle;
        default:
            return LineBreak::WordWrap;
    }
}
