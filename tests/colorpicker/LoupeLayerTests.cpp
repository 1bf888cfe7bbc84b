#include <gtest/gtest.h>

#include <cmath>

#include "platform/ui/layers/CATransaction.h"
#include "prefs/colorpicker/LoupeLayer.h"
#include "tests/colorpicker/PickerTestSupport.h"
#include "tests/graphics/PixelProbe.h"

namespace {

class LoupeTest : public PickerTest {
protected:
    const std::shared_ptr<LoupeLayer>& loupe() const { return picker_->loupeLayer(); }
    double shownScale() const {
        return std::get<double>(*loupe()->presentationValueForKeyPath("transform.scale"));
    }
    bool isAttached() const { return loupe()->superlayer() == picker_->layer(); }
    bool has(const char* key) const { return loupe()->animationForKey(key) != nullptr; }
};

// The colour drawn at a point of the loupe (its origin at its centre), one pixel per point.
Argb drawnAt(LoupeLayer& loupe, CGPoint point) {
    loupe.setContentsScale(1);
    const CGImageRef image = loupe.backingImage();
    return imagePixel(image, static_cast<size_t>(point.x + 48.5),
                      static_cast<size_t>(point.y + 48.5));
}

Argb opaqueBytesOf(const std::shared_ptr<UIColor>& color) {
    CGFloat r = 0, g = 0, b = 0, a = 0;
    color->getRed_green_blue_alpha(&r, &g, &b, &a);
    auto byte = [](CGFloat c) { return static_cast<int>(std::lround(c * 255)); };
    return {255, byte(r), byte(g), byte(b)};
}

void expectNear(Argb actual, Argb expected) {
    EXPECT_NEAR(actual.a, expected.a, 1);
    EXPECT_NEAR(actual.r, expected.r, 1);
    EXPECT_NEAR(actual.g, expected.g, 1);
    EXPECT_NEAR(actual.b, expected.b, 1);
}

}  // namespace

TEST(LoupeLayerMaking, ANewLoupeHangsFromItsPositionWithItsOverlay) {
    const auto loupe = LoupeLayer::layer();
    EXPECT_EQ(loupe->bounds(), CGRectMake(-48.5, -48.5, 97, 97));
    EXPECT_EQ(loupe->anchorPoint(), CGPointMake(0.5, 1));
    ASSERT_EQ(loupe->sublayers().size(), 1u);
    const auto overlay = loupe->sublayers().front();
    EXPECT_EQ(overlay->frame(), loupe->bounds());
    ASSERT_NE(overlay->contents(), nullptr);
    EXPECT_EQ(CGImageGetWidth(overlay->contents()), 194u) << "at the 2× screen's scale";
    EXPECT_EQ(loupe->superlayer(), nullptr);
    EXPECT_EQ(CGPathGetBoundingBox(loupe->gridCirclePath()), CGRectMake(-41, -41, 82, 82));
    loupe->setPosition({100, 100});
    EXPECT_EQ(loupe->frame(), CGRectMake(51.5, 3, 97, 97));
}

TEST_F(LoupeTest, ItGrowsInOverAThirdOfASecond) {
    down({100, 100});
    ASSERT_NE(loupe(), nullptr);
    EXPECT_TRUE(isAttached());
    EXPECT_EQ(picker_->layer()->sublayers().back(), loupe()) << "above the wheel";
    EXPECT_TRUE(loupe()->isRunningInitialAnimation());
    endTurn();
    EXPECT_NEAR(shownScale(), 0.1, 1e-9);
    advance(0.34);
    EXPECT_TRUE(loupe()->isRunningInitialAnimation());
    advance(0.02);
    EXPECT_FALSE(loupe()->isRunningInitialAnimation());
    EXPECT_NEAR(shownScale(), 1, 1e-9) << "the grown size is kept";
    EXPECT_TRUE(isAttached());
}

TEST_F(LoupeTest, AQuickReleaseLetsItFinishGrowingBeforeItShrinks) {
    down({100, 100});
    advance(0.1);
    up({100, 100});
    EXPECT_TRUE(loupe()->isReadyToDismiss());
    EXPECT_FALSE(has(LoupeLayer::kDisappearKey)) << "never removed in mid-appearance";
    advance(0.2);
    EXPECT_TRUE(isAttached());
    EXPECT_FALSE(has(LoupeLayer::kDisappearKey));
    advance(0.06);  // grown: the shrink starts
    EXPECT_TRUE(has(LoupeLayer::kDisappearKey));
    EXPECT_TRUE(isAttached());
    EXPECT_LT(shownScale(), 1);
    advance(0.11);
    EXPECT_FALSE(isAttached());
    EXPECT_EQ(loupe()->transform(), CATransform3DIdentity);
}

TEST_F(LoupeTest, ASecondTouchWhileItShrinksBringsItBackWhole) {
    down({100, 100});
    advance(0.4);
    up({100, 100});
    advance(0.05);
    ASSERT_TRUE(has(LoupeLayer::kDisappearKey));
    const auto first = loupe();
    down({200, 200});
    EXPECT_EQ(loupe(), first) << "one loupe for every touch";
    EXPECT_FALSE(has(LoupeLayer::kDisappearKey));
    EXPECT_TRUE(has(LoupeLayer::kAppearKey));
    EXPECT_EQ(loupe()->transform(), CATransform3DIdentity);
    EXPECT_FALSE(loupe()->isReadyToDismiss());
    endTurn();
    EXPECT_NEAR(shownScale(), 0.1, 1e-9) << "the appearance plays again";
    advance(0.5);
    EXPECT_TRUE(isAttached()) << "the cut-short shrink does not detach it";
    EXPECT_NEAR(shownScale(), 1, 1e-9);
}

TEST_F(LoupeTest, DismissingWithoutAnimationDetachesAtOnceOnceGrown) {
    down({100, 100});
    advance(0.4);
    loupe()->disappearAnimated(false);
    EXPECT_FALSE(isAttached());
    loupe()->disappear();  // detached: nothing to shrink from, it stays detached
    advance(0.2);
    EXPECT_FALSE(isAttached());
}

TEST_F(LoupeTest, LeavingTheWindowMidGrowthHidesTheLoupeOnceGrown) {
    down({100, 100});
    finger_.fingerCancelled();
    picker_->removeFromSuperview();
    EXPECT_TRUE(loupe()->isReadyToDismiss());
    advance(0.6);
    EXPECT_EQ(loupe()->superlayer(), nullptr);
}

TEST_F(LoupeTest, TheGridSamplesFifteenPointStepsFromThirtySevenPointsUpAndLeft) {
    picker_->setOpacity(1);
    down({100, 100});
    ASSERT_EQ(picker_->selection(), CGPointMake(100, 100));
    // The top-left cell runs from −42.5 to −25.5; its corner is cut off by the lens.
    expectNear(drawnAt(*loupe(), {-28, -28}), opaqueBytesOf(picker_->colorAtPoint({63, 63})));
    expectNear(drawnAt(*loupe(), {0, 0}), opaqueBytesOf(picker_->colorAtPoint({93, 93})));
    expectNear(drawnAt(*loupe(), {34, 0}), opaqueBytesOf(picker_->colorAtPoint({123, 93})));
    EXPECT_EQ(drawnAt(*loupe(), {-44, -44}).a, 0) << "outside the lens";
}

TEST_F(LoupeTest, TranslucentSamplesShowTheCheckerboard) {
    picker_->setSelectionColor(UIColor::colorWithRed_green_blue_alpha(1, 0, 0, 0.5));
    down(picker_->selection());
    // Checkerboard cells (1, 1) white and (1, 2) grey, under one sampled colour.
    const Argb overWhite = drawnAt(*loupe(), {-21, -21});
    const Argb overGrey = drawnAt(*loupe(), {-11, -21});
    EXPECT_EQ(overWhite.a, 255);
    EXPECT_GT(overWhite.g, overGrey.g) << "the white square shows through more brightly";
}
