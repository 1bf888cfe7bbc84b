#include <gtest/gtest.h>

#include "tweak/hud/ProgressHUDLayout.h"

namespace {

// A 320 × 480 HUD with the default margin of 20.
ProgressHUDLayout::Parameters phone() {
    ProgressHUDLayout::Parameters parameters;
    parameters.bounds = {320, 480};
    return parameters;
}

constexpr CGSize kSpinner{37, 37};
constexpr CGSize kSaved{44, 20};

}  // namespace

TEST(ProgressHUDLayoutTest, ALabelAloneIsCentredAndPaddedByTheMarginThenOffsetAndRaised) {
    auto parameters = phone();
    parameters.labelSize = kSaved;
    auto layout = ProgressHUDLayout::compute(parameters);
    EXPECT_EQ(layout.labelFrame, CGRectMake(138, 230, 44, 20));
    EXPECT_EQ(layout.size, CGSizeMake(84, 60));
    EXPECT_EQ(layout.detailsFrame.size, CGSizeZero);

    parameters.xOffset = 10;
    parameters.yOffset = -15.5f;
    parameters.minSize = {100, 50};
    layout = ProgressHUDLayout::compute(parameters);
    EXPECT_EQ(layout.labelFrame, CGRectMake(148, 214.5, 44, 20));
    EXPECT_EQ(layout.size, CGSizeMake(100, 60)) << "each axis raised on its own";
}

TEST(ProgressHUDLayoutTest, NothingToShowLeavesABoxOfTwoMargins) {
    EXPECT_EQ(ProgressHUDLayout::compute(phone()).size, CGSizeMake(40, 40));
    auto parameters = phone();
    parameters.margin = 8;
    parameters.minSize = {60, 30};
    EXPECT_EQ(ProgressHUDLayout::compute(parameters).size, CGSizeMake(60, 30));
}

TEST(ProgressHUDLayoutTest, PartsWiderThanTheBoundsLessFourMarginsAreCutToThatWidth) {
    auto parameters = phone();
    parameters.labelSize = {500, 20};
    parameters.indicatorSize = {400, 10};
    const auto layout = ProgressHUDLayout::compute(parameters);
    EXPECT_EQ(layout.labelFrame.size.width, 240);
    EXPECT_EQ(layout.labelFrame.origin.x, 40);
    EXPECT_EQ(layout.indicatorFrame.size.width, 240);
    EXPECT_EQ(layout.size.width, 280);

    parameters.bounds = {60, 480};
    const auto narrow = ProgressHUDLayout::compute(parameters);
    EXPECT_EQ(narrow.labelFrame.size.width, 0) << "never a negative width";
    EXPECT_EQ(narrow.size.width, 40);
}

TEST(ProgressHUDLayoutTest, ThePaddingOfFourSitsOnlyBetweenPartsThatBothHaveHeight) {
    auto parameters = phone();
    parameters.indicatorSize = kSpinner;
    auto layout = ProgressHUDLayout::compute(parameters);
    EXPECT_EQ(layout.indicatorFrame, CGRectMake(142, 222, 37, 37)) << "halves round up";
    EXPECT_EQ(layout.size, CGSizeMake(77, 77));

    parameters.labelSize = kSaved;
    layout = ProgressHUDLayout::compute(parameters);
    EXPECT_EQ(layout.size.height, 37 + 4 + 20 + 40);
    EXPECT_EQ(layout.labelFrame.origin.y, layout.indicatorFrame.origin.y + 37 + 4);

    CGSize offered{};
    parameters.measureDetails = [&](CGSize bounding) {
        offered = bounding;
        return CGSize{100, 30};
    };
    layout = ProgressHUDLayout::compute(parameters);
    EXPECT_EQ(offered, CGSizeMake(240, 480 - 61 - 4 - 80)) << "what is left below the label";
    EXPECT_EQ(layout.size, CGSizeMake(140, 37 + 4 + 20 + 4 + 30 + 40));
    EXPECT_EQ(layout.detailsFrame, CGRectMake(110, layout.labelFrame.origin.y + 20 + 4, 100, 30));

    parameters.labelSize = {};
    layout = ProgressHUDLayout::compute(parameters);
    EXPECT_EQ(layout.detailsFrame.origin.y, layout.indicatorFrame.origin.y + 37 + 4)
        << "details follow the indicator when there is no label";
    EXPECT_EQ(layout.size.height, 37 + 4 + 30 + 40);

    parameters.indicatorSize = {};
    layout = ProgressHUDLayout::compute(parameters);
    EXPECT_EQ(layout.size.height, 30 + 40) << "nothing above the details";
}

TEST(ProgressHUDLayoutTest, RoundingGoesHalfAwayFromZero) {
    auto parameters = phone();
    parameters.bounds = {320, 99};
    parameters.labelSize = {44, 60};
    // (99 − 100) / 2 = −0.5 goes to −1.
    EXPECT_EQ(ProgressHUDLayout::compute(parameters).labelFrame.origin.y, -1 + 20);
    parameters.bounds = {320, 101};
    EXPECT_EQ(ProgressHUDLayout::compute(parameters).labelFrame.origin.y, 1 + 20);
}

TEST(ProgressHUDLayoutTest, ASquareBoxIsSquaredOnlyAlongAxesWhereItFits) {
    auto parameters = phone();
    parameters.square = true;
    parameters.labelSize = kSaved;
    EXPECT_EQ(ProgressHUDLayout::compute(parameters).size, CGSizeMake(84, 84));

    parameters.bounds = {320, 120};
    parameters.labelSize = {200, 20};
    EXPECT_EQ(ProgressHUDLayout::compute(parameters).size, CGSizeMake(240, 60))
        << "240 does not fit in 120 − 40";

    parameters.bounds = {320, 100};
    parameters.labelSize = kSaved;
    parameters.indicatorSize = kSpinner;
    EXPECT_EQ(ProgressHUDLayout::compute(parameters).size, CGSizeMake(101, 101))
        << "squared across; the height, too tall to square within 100 − 40, stays";
}
