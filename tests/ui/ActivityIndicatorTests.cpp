#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/ui/views/UIActivityIndicatorView.h"
#include "tests/support/VirtualTimeTest.h"

namespace {

using ActivityIndicatorTest = VirtualTimeTest;

// The clock hour (1 to 12) of the most opaque spoke in the spinner's drawing.
int brightestSpoke(UIActivityIndicatorView& spinner) {
    const CGImageRef picture = spinner.layer()->backingImage();
    const CGFloat centre = spinner.bounds().size.width / 2;
    const CGFloat radius = centre * 0.66;
    int brightest = 0;
    uint32_t highestAlpha = 0;
    for (int hour = 1; hour <= 12; ++hour) {
        const double angle = hour * std::numbers::pi / 6 - std::numbers::pi / 2;
        const uint32_t alpha =
            picture->pixelAt(static_cast<size_t>(centre + radius * std::cos(angle)),
                             static_cast<size_t>(centre + radius * std::sin(angle))) >>
            24;
        if (alpha > highestAlpha) {
            highestAlpha = alpha;
            brightest = hour;
        }
    }
    return brightest;
}

}  // namespace

TEST_F(ActivityIndicatorTest, TheBrightestSpokeStepsClockwiseATwelfthOfATurnAtATime) {
    auto spinner =
        std::make_shared<UIActivityIndicatorView>(UIActivityIndicatorViewStyleWhiteLarge);
    spinner->layer()->setContentsScale(1);  // read one pixel per point
    EXPECT_EQ(spinner->bounds(), CGRectMake(0, 0, 37, 37));
    EXPECT_TRUE(spinner->isHidden()) << "hidden while stopped";

    spinner->startAnimating();
    EXPECT_TRUE(spinner->isAnimating());
    EXPECT_FALSE(spinner->isHidden());
    EXPECT_EQ(brightestSpoke(*spinner), 12);
    advance(0.26);
    EXPECT_EQ(brightestSpoke(*spinner), 3);
    advance(0.75);
    EXPECT_EQ(brightestSpoke(*spinner), 12) << "one turn a second";

    spinner->stopAnimating();
    EXPECT_FALSE(spinner->isAnimating());
    EXPECT_TRUE(spinner->isHidden());
    advance(0.5);
    EXPECT_EQ(brightestSpoke(*spinner), 12) << "stopped where it was";

    spinner->setHidesWhenStopped(false);
    EXPECT_FALSE(spinner->isHidden());
    spinner->startAnimating();
    spinner.reset();
    advance(0.5);  // a spinner let go of while turning leaves no timer behind
}
