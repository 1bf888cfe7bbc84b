#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/graphics/UIBezierPath.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/ui/layers/Compositor.h"
#include "prefs/bitmap/ImageBitmapRep.h"
#include "prefs/colorpicker/LoupeLayer.h"
#include "prefs/colorpicker/SelectionLayer.h"
#include "prefs/colorpicker/WheelGenerateOperation.h"
#include "tests/colorpicker/PickerTestSupport.h"

namespace {

std::array<CGFloat, 4> rgba(const std::shared_ptr<UIColor>& color) {
    std::array<CGFloat, 4> c{};
    color->getRed_green_blue_alpha(&c[0], &c[1], &c[2], &c[3]);
    return c;
}

}  // namespace

TEST(ColorPickerViewMaking, TheFrameIsSquaredOnceAndMustStaySquare) {
    auto picker = std::make_shared<ColorPickerView>(CGRectMake(5, 6, 300, 200));
    EXPECT_EQ(picker->frame(), CGRectMake(5, 6, 200, 200));
    try {
        picker->setFrame(CGRectMake(0, 0, 300, 200));
        FAIL() << "a frame that is not square is refused";
    } catch (const AssertionFailure& failure) {
        EXPECT_NE(std::string(failure.what()).find("ColorPickerView must be square."),
                  std::string::npos);
        EXPECT_NE(std::string(failure.what()).find("ColorPickerView"), std::string::npos);
    }
    EXPECT_EQ(picker->frame(), CGRectMake(5, 6, 200, 200)) << "refused before it is applied";
}

TEST(ColorPickerViewMaking, ANewWheelIsWhiteAtTheCentreWithItsLayersInOrder) {
    auto picker = std::make_shared<ColorPickerView>(CGRectMake(0, 0, 300, 300));
    expectPoint(picker->selection(), {150, 150});
    EXPECT_EQ(rgba(picker->selectionColor()), (std::array<CGFloat, 4>{1, 1, 1, 1}));
    EXPECT_TRUE(picker->showLoupe());
    EXPECT_FALSE(picker->cropToCircle());
    EXPECT_EQ(picker->scale(), 0) << "no window, no scale";
    EXPECT_EQ(picker->rep(), nullptr);
    EXPECT_EQ(picker->loupeLayer(), nullptr);
    EXPECT_TRUE(picker->contentsLayer()->masksToBounds());
    const std::vector<std::shared_ptr<CALayer>> order = {
        picker->gradientLayer(), picker->brightnessLayer(), picker->selectionColorLayer(),
        picker->opacityLayer(), picker->selectionLayer()};
    EXPECT_EQ(picker->contentsLayer()->sublayers(), order);
    EXPECT_EQ(picker->layer()->sublayers().front(), picker->contentsLayer());
}

TEST_F(PickerTest, InAWindowTheWheelTakesTheScreenScaleAndTheCachedBitmap) {
    EXPECT_EQ(picker_->scale(), 2);
    ASSERT_NE(picker_->rep(), nullptr);
    EXPECT_EQ(picker_->rep()->bitmapSize().x, 600);
    EXPECT_EQ(picker_->gradientLayer()->contentsScale(), 2);
    EXPECT_EQ(picker_->opacityLayer()->contentsScale(), 1);
    EXPECT_EQ(picker_->opacityLayer()->frame(), picker_->bounds());
    EXPECT_EQ(CGImageGetWidth(picker_->gradientLayer()->contents()), 600u);

    auto second = std::make_shared<ColorPickerView>(CGRectMake(0, 0, 300, 300));
    window_->addSubview(second);
    EXPECT_EQ(second->rep(), picker_->rep()) << "one cache entry for every 300-point wheel at 2×";

    picker_->removeFromSuperview();
    EXPECT_EQ(picker_->scale(), 0);
    EXPECT_NE(picker_->rep(), nullptr) << "the bitmap is kept out of the window";
}

TEST_F(PickerTest, SquareModeClampsTouchesIntoTheInsetSquare) {
    picker_->setSelection({-50, 400});  // as a touch there would
    expectPoint(picker_->selection(), {11, 289});
    touch({150, 150});
    expectPoint(picker_->selection(), {150, 150});
    EXPECT_EQ(rgba(picker_->selectionColor()), (std::array<CGFloat, 4>{1, 1, 1, 1}));
    EXPECT_EQ(picker_->activeAreaShape()->bounds(), CGRectMake(11, 11, 278, 278));
    EXPECT_EQ(picker_->contentsLayer()->cornerRadius(), 0);
}

TEST_F(PickerTest, CircleModeHoldsTheSelectionOnTheRim) {
    picker_->setCropToCircle(true);
    EXPECT_EQ(picker_->contentsLayer()->cornerRadius(), 150);
    touch({160, 150});
    expectPoint(picker_->selection(), {289, 150});
    EXPECT_NEAR(picker_->state().hue(), 0, 1e-12);
    EXPECT_NEAR(picker_->state().saturation(), 1, 1e-12);
    touch({150, 200});
    expectPoint(picker_->selection(), {150, 289});
    EXPECT_NEAR(picker_->state().hue(), 0.75, 1e-12);
    touch({150, 150});
    expectPoint(picker_->selection(), {289, 150});  // no direction: hue 0
}

TEST_F(PickerTest, TurningCircleModeOnMovesAnInnerSelectionOutAlongItsRay) {
    picker_->setSelection({150, 100});
    picker_->setCropToCircle(true);
    expectPoint(picker_->selection(), {150, 11});
    picker_->setCropToCircle(false);
    expectPoint(picker_->selection(), {150, 11});
}

TEST_F(PickerTest, BrightnessAndOpacityOnlyChangeTheOverlays) {
    picker_->setSelection({200, 120});
    const CGPoint point = picker_->selection();
    const auto rep = picker_->rep();
    const auto contents = picker_->gradientLayer()->contents();
    picker_->setBrightness(0.25);
    EXPECT_EQ(picker_->brightnessLayer()->opacity(), 0.75f);
    expectPoint(picker_->selection(), point);
    picker_->setOpacity(1);
    EXPECT_EQ(picker_->opacityLayer()->opacity(), 0);
    picker_->setOpacity(0.3);
    EXPECT_EQ(picker_->opacityLayer()->opacity(), 0.7f);
    EXPECT_EQ(picker_->rep(), rep);
    EXPECT_EQ(picker_->gradientLayer()->contents(), contents);
    EXPECT_EQ(picker_->selectionColorLayer()->backgroundColor()->alpha(), 0.3);
}

TEST_F(PickerTest, ASelectionColourBringsItsBrightnessAndOpacity) {
    picker_->setSelectionColor(UIColor::colorWithRed_green_blue_alpha(0.2, 0.1, 0.1, 0.5));
    EXPECT_NEAR(picker_->brightness(), 0.2, 1e-12);
    EXPECT_NEAR(picker_->opacity(), 0.5, 1e-12);
    EXPECT_NEAR(picker_->state().saturation(), 0.5, 1e-12);
    EXPECT_EQ(picker_->brightnessLayer()->opacity(), 0.8f);
}

TEST_F(PickerTest, ColoursOutsideTheWheelAreItsRimHues) {
    picker_->setBrightness(0.5);
    picker_->setOpacity(0.4);
    const auto color = rgba(picker_->colorAtPoint({400, 150}));
    EXPECT_NEAR(color[0], 0.5, 1e-12);
    EXPECT_NEAR(color[1], 0, 1e-12);
    EXPECT_NEAR(color[2], 0, 1e-12);
    EXPECT_NEAR(color[3], 0.4, 1e-12);
}

TEST_F(PickerTest, TheDelegateHearsOfBeginningsAndEndsEvenWithoutTheLoupe) {
    auto delegate = std::make_shared<RecordingPickerDelegate>();
    picker_->setDelegate(delegate);
    picker_->setShowLoupe(false);
    down({100, 100});
    move({120, 100});
    move({140, 100});
    up({150, 110});
    EXPECT_EQ(picker_->loupeLayer(), nullptr);
    ASSERT_EQ(delegate->began.size(), 1u);
    expectPoint(delegate->began[0], {100, 100});
    ASSERT_EQ(delegate->ended.size(), 1u);
    expectPoint(delegate->ended[0], {150, 110});
}

TEST_F(PickerTest, ACancelledTouchKeepsTheLastPointAndSendsTheLoupeAway) {
    auto delegate = std::make_shared<RecordingPickerDelegate>();
    picker_->setDelegate(delegate);
    down({100, 100});
    move({120, 90});
    ASSERT_NE(picker_->loupeLayer(), nullptr);
    EXPECT_EQ(picker_->loupeLayer()->superlayer(), picker_->layer());
    finger_.fingerCancelled();
    expectPoint(picker_->selection(), {120, 90});
    EXPECT_TRUE(picker_->loupeLayer()->isReadyToDismiss());
    EXPECT_TRUE(delegate->ended.empty());
    advance(0.5);
    EXPECT_EQ(picker_->loupeLayer()->superlayer(), nullptr);
}

TEST_F(PickerTest, TheMarkerDiscAndLoupeFollowTheFinger) {
    down({100, 100});
    move({130, 90});
    const auto loupe = picker_->loupeLayer();
    ASSERT_NE(loupe, nullptr);
    EXPECT_EQ(picker_->selectionLayer()->position(), CGPointMake(130, 90));
    EXPECT_EQ(picker_->selectionColorLayer()->position(), CGPointMake(130, 90));
    EXPECT_EQ(loupe->contentsScale(), 2);
    // The loupe hangs from the selection, its frame on whole points.
    move({130.3, 90.6});
    const CGRect frame = loupe->frame();
    EXPECT_EQ(frame.origin.x, std::round(frame.origin.x));
    EXPECT_EQ(frame.origin.y, std::round(frame.origin.y));
    EXPECT_EQ(frame.size, CGSizeMake(97, 97));
    EXPECT_NEAR(CGRectGetMidX(frame), 130.3, 0.5);
    EXPECT_NEAR(CGRectGetMaxY(frame), 90.6, 0.5);
    EXPECT_TRUE(loupe->needsDisplay());
}

TEST_F(PickerTest, ADragRendersNoWheel) {
    std::atomic<int> rendered = 0;
    WheelGenerateOperation::setWillGenerateHookForTesting(
        [&](const WheelGenerateOperation&) { ++rendered; });
    const auto rep = picker_->rep();
    down({20, 20});
    for (int step = 1; step <= 60; ++step) {
        advance(1.0 / 60);
        move({20 + 4.0 * step, 20 + 3.0 * step});
    }
    up({260, 200});
    WheelGenerateOperation::setWillGenerateHookForTesting({});
    EXPECT_EQ(rendered, 0);
    EXPECT_EQ(picker_->rep(), rep);
}

TEST_F(PickerTest, SelectionMarkerRingsFallBackToTheirDefaultsTogether) {
    const auto marker = picker_->selectionLayer();
    marker->setOuterRingColor(UIColor::redColor()->CGColor());
    marker->drawInContext(
        UIGraphicsCreateDrawingContext(nullptr, 22, 22, 0, 1, BitmapOpacity::Transparent));
    EXPECT_TRUE(CGColorEqualToColor(marker->outerRingColor(),
                                    UIColor::colorWithWhite_alpha(1, 0.4)->CGColor()));
    EXPECT_TRUE(CGColorEqualToColor(marker->innerRingColor(),
                                    UIColor::colorWithWhite_alpha(0, 1)->CGColor()));
}

TEST_F(PickerTest, TheFirstFrameShowsTheWheelCutToACircle) {
    picker_->setCropToCircle(true);
    endTurn();
    Compositor compositor(640, 960, 2);
    compositor.renderFrame({window_->layer()});
    const auto at = [&](CGPoint inPicker) {
        const CGPoint p = onScreen(inPicker);
        return compositor
                   .pixels()[static_cast<size_t>(p.y * 2) * 640 + static_cast<size_t>(p.x * 2)] &
               0xffffff;
    };
    EXPECT_EQ(at({5, 5}), 0x000000u) << "the corner is cut away";
    EXPECT_EQ(at({295, 150}), 0xff0000u) << "red at the right";
    // The centre lies under the selection marker; just above it the wheel is near white.
    const uint32_t nearCentre = at({150, 136});
    for (const int shift : {0, 8, 16}) EXPECT_GT((nearCentre >> shift) & 0xff, 220u);
}
