#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIGraphics.h"
#include "tests/graphics/PixelProbe.h"

namespace {

const FontDescriptor kBold16{"Helvetica Neue", 16, FontWeight::Bold};

TEST(Typesetter, MeasuresTheSystemFontWithHelveticaMetrics) {
    const CGSize size = Typesetter::sizeOfText("Saved", kBold16);
    EXPECT_NEAR(size.width, 46.62, 0.05);
    EXPECT_NEAR(size.height, 16.0, 0.01);
    const FontMetrics metrics = Typesetter::metrics(kBold16);
    EXPECT_GT(metrics.ascender, 10);
    EXPECT_LT(metrics.descender, 0);
}

TEST(Typesetter, WrappingWithinAWidthGivesMoreLines) {
    const FontDescriptor font{"Helvetica Neue", 15, FontWeight::Regular};
    const std::string text = "The quick brown fox jumps over the lazy dog again and again";
    const CGSize line = Typesetter::sizeOfText(text, font);
    const CGSize wrapped =
        Typesetter::sizeOfTextInBounds(text, font, {100, 1000}, LineBreak::WordWrap);
    EXPECT_LE(wrapped.width, 100);
    EXPECT_GE(wrapped.height, 3 * line.height - 0.01);
    // Only whole lines that fit in the height are kept.
    const CGSize twoLines = Typesetter::sizeOfTextInBounds(text, font, {100, 2.5 * line.height},
                                                           LineBreak::TruncateTail);
    EXPECT_NEAR(twoLines.height, 2 * line.height, 0.01);
    // "As tall as it needs", asked with the largest height, keeps every line when truncating.
    const CGSize unlimited = Typesetter::sizeOfTextInBounds(
        text, font, {100, std::numeric_limits<CGFloat>::max()}, LineBreak::TruncateTail);
    EXPECT_EQ(unlimited.height, wrapped.height);
    // A word longer than the width is broken rather than overflowing.
    const CGSize longWord = Typesetter::sizeOfTextInBounds("Supercalifragilistic", font, {40, 1000},
                                                           LineBreak::WordWrap);
    EXPECT_LE(longWord.width, 40);
}

// Only the paragraphs that can show are laid out: what is measured in bounds is the same as for
// the text cut after them, for wrapping and truncating modes.
TEST(Typesetter, TallTextsMeasureAsTheirShownLinesDo) {
    const FontDescriptor font{"Helvetica Neue", 14, FontWeight::Regular};
    const CGFloat line = Typesetter::sizeOfText("x", font).height;
    const std::string wrapping = "a first paragraph long enough to wrap into several lines here";
    std::string shown = wrapping + "\nsecond\nthird";
    for (int i = 0; i < 8; ++i) shown += "\nmore";
    std::string tall = shown;
    for (int i = 0; i < 5000; ++i) tall += "\nmore";
    const CGSize wrapped = Typesetter::sizeOfText(wrapping, font);
    ASSERT_GT(wrapped.width, 100);
    for (LineBreak mode : {LineBreak::WordWrap, LineBreak::TruncateTail}) {
        const CGSize shownSize =
            Typesetter::sizeOfTextInBounds(shown, font, {100, 8 * line + 1}, mode);
        const CGSize tallSize =
            Typesetter::sizeOfTextInBounds(tall, font, {100, 8 * line + 1}, mode);
        EXPECT_EQ(tallSize.width, shownSize.width);
        EXPECT_EQ(tallSize.height, shownSize.height);
        EXPECT_EQ(tallSize.height, 8 * line);
    }
}

TEST(Typesetter, AbsurdSizesAreClampedAndBadTextIsRepaired) {
    for (const CGFloat size : {-5.0, 0.0, std::numeric_limits<double>::quiet_NaN(), 1e7,
                               std::numeric_limits<double>::infinity()}) {
        const FontDescriptor font{"Helvetica Neue", size, FontWeight::Regular};
        const CGSize measured = Typesetter::sizeOfText("A", font);
        EXPECT_GT(measured.height, 0) << size;
        EXPECT_LE(measured.height, FontDescriptor::kMaximumPointSize * 1.5) << size;
    }
    const CGSize invalid = Typesetter::sizeOfText("ab\xff\xfe", kBold16);
    EXPECT_GT(invalid.width, Typesetter::sizeOfText("ab", kBold16).width);
}

TEST(Typesetter, DrawsUprightInTheFillColourOfAnImageContext) {
    UIGraphicsBeginImageContextWithOptions({60, 20}, false, 1);
    const CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextSetRGBFillColor(context, 1, 0, 0, 1);
    // An underscore sits at the bottom of the line when upright.
    Typesetter::drawTextAtPoint(context, "____", kBold16, {0, 0});
    int topInk = 0, bottomInk = 0;
    for (size_t x = 0; x < 60; ++x) {
        for (size_t row = 0; row < 20; ++row) {
            const Argb p = argbAt(context, x, row);
            if (p.a == 0) continue;
            EXPECT_EQ(p.r, p.a);  // pure red, premultiplied
            (row < 8 ? topInk : bottomInk) += p.a;
        }
    }
    EXPECT_EQ(topInk, 0);
    EXPECT_GT(bottomInk, 0);
    UIGraphicsEndImageContext();
}

TEST(Typesetter, DrawingInARectShowsOnlyTheLinesThatFit) {
    const FontDescriptor font{"Helvetica Neue", 10, FontWeight::Regular};
    UIGraphicsBeginImageContextWithOptions({40, 40}, false, 1);
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const CGSize drawn =
        Typesetter::drawTextInRect(context, "ab cd ef ab cd ef ab", font, CGRectMake(0, 0, 30, 15),
                                   LineBreak::WordWrap, TextAlignment::Left);
    EXPECT_NEAR(drawn.height, 10, 0.01);
    int inkBelow = 0;
    for (size_t row = 11; row < 40; ++row) {
        for (size_t x = 0; x < 40; ++x) inkBelow += alphaAt(context, x, row);
    }
    EXPECT_EQ(inkBelow, 0);
    UIGraphicsEndImageContext();
}

}  // namespace
