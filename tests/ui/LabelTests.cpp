#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/Typesetter.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UILabel.h"

namespace {

constexpr char kParagraph[] = "one two three four five six seven eight nine ten";

// The rows and columns of a drawing that carry ink, in pixels.
struct InkBox {
    size_t left = SIZE_MAX, top = SIZE_MAX, right = 0, bottom = 0;
};

InkBox inkBox(const CGImageRef& image) {
    InkBox box;
    for (size_t y = 0; y < image->height(); ++y) {
        for (size_t x = 0; x < image->width(); ++x) {
            if ((image->pixelAt(x, y) >> 24) < 128) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                   std::max(box.bottom, y)};
        }
    }
    return box;
}

}  // namespace

TEST(LabelTest, MeasuresOneLineOrWrapsWithinTheSizeUpToItsNumberOfLines) {
    auto label = std::make_shared<UILabel>();
    EXPECT_EQ(label->sizeThatFits({100, 100}), CGSizeZero) << "no text, no size";
    label->setFont(UIFont::boldSystemFontOfSize(16));
    label->setText("Saved");
    const FontDescriptor& font = label->font()->descriptor();
    const CGSize line = Typesetter::sizeOfText("Saved", font);
    EXPECT_EQ(label->sizeThatFits({1000, 1000}),
              CGSizeMake(std::ceil(line.width), std::ceil(line.height)))
        << "rounded up to whole points";
    EXPECT_EQ(label->sizeThatFits({10, 10}), label->sizeThatFits({1000, 1000}))
        << "one line takes the width it needs";

    label->setText(kParagraph);
    label->setNumberOfLines(0);
    const CGSize wrapped = label->sizeThatFits({100, 1000});
    EXPECT_LE(wrapped.width, 100);
    EXPECT_GE(wrapped.height, std::ceil(4 * line.height));
    label->setNumberOfLines(2);
    EXPECT_EQ(label->sizeThatFits({100, 1000}).height, std::ceil(2 * line.height));
    EXPECT_EQ(label->sizeThatFits({100, 1.5 * line.height}).height, std::ceil(line.height))
        << "the size's height limits the lines too";
    label->setNumberOfLines(-3);
    EXPECT_EQ(label->numberOfLines(), 0);
}

TEST(LabelTest, DrawsItsTextCentredDownTheViewAndAlignedAcrossIt) {
    auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 200, 60));
    label->setFont(UIFont::systemFontOfSize(20));
    label->setText("Hi there");
    label->layer()->setContentsScale(2);
    const CGFloat lineHeight =
        Typesetter::sizeOfText("Hi there", label->font()->descriptor()).height;

    label->setTextAlignment(NSTextAlignmentRight);
    const InkBox right = inkBox(label->layer()->backingImage());
    EXPECT_GT(right.left, 200u) << "in the right half";
    EXPECT_GE(right.right, 390u);
    EXPECT_GE(right.top, static_cast<size_t>(60 - lineHeight));
    EXPECT_LE(right.bottom, static_cast<size_t>(60 + lineHeight));

    label->setTextAlignment(NSTextAlignmentCenter);
    const InkBox centred = inkBox(label->layer()->backingImage());
    EXPECT_NEAR((centred.left + centred.right) / 2.0, 200, 4);
}

TEST(LabelTest, ASingleLineIsTruncatedAtTheViewsWidth) {
    auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 80, 30));
    label->setText(kParagraph);
    label->layer()->setContentsScale(2);
    const InkBox box = inkBox(label->layer()->backingImage());
    EXPECT_LT(box.right, 160u);
    EXPECT_LT(box.bottom - box.top, 2 * 30u) << "one line only";
}
