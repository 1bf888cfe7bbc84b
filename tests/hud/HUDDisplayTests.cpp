#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/foundation/NSNotificationCenter.h"
#include "platform/graphics/Typesetter.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIActivityIndicatorView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UIWindow.h"
#include "tests/hud/HUDTestSupport.h"
#include "tweak/hud/BarProgressView.h"
#include "tweak/hud/RoundProgressView.h"

namespace {

class HUDDisplayTest : public HUDTest {
protected:
    ~HUDDisplayTest() override {
        UIApplication::sharedApplication().setStatusBarOrientation(UIInterfaceOrientationPortrait);
    }

    static std::shared_ptr<UILabel> labelOf(const ProgressHUD& hud, size_t index) {
        return std::static_pointer_cast<UILabel>(hud.subviews().at(index));
    }
    static void turnDevice(UIInterfaceOrientation orientation) {
        UIApplication::sharedApplication().setStatusBarOrientation(orientation);
        NSNotificationCenter::defaultCenter().postNotificationName(
            UIDeviceOrientationDidChangeNotification);
    }
};

}  // namespace

TEST_F(HUDDisplayTest, SavedInTextModeIsTheLabelMeasuredOnOneLineInAPaddedBox) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setMode(ProgressHUDModeText);
    hud->setLabelText("Saved");
    hud->setYOffset(-30);
    hud->layoutIfNeeded();
    const CGSize measured =
        Typesetter::sizeOfText("Saved", UIFont::boldSystemFontOfSize(16)->descriptor());
    const CGSize text{std::ceil(measured.width), std::ceil(measured.height)};
    EXPECT_FALSE(hud->indicator());
    EXPECT_EQ(
        labelOf(*hud, 0)->frame(),
        CGRectMake(std::round((320 - text.width) / 2),
                   std::round((480 - text.height - 40) / 2) + 20 - 30, text.width, text.height));
    EXPECT_EQ(hud->size(), CGSizeMake(text.width + 40, text.height + 40));
}

TEST_F(HUDDisplayTest, DetailsWrapWithinTheBoundsLessFourMarginsBelowTheLabel) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setLabelText("Exporting");
    hud->setDetailsLabelText(
        "The note is being copied to the Notes app, which can take a moment on older devices.");
    hud->layoutIfNeeded();
    const CGRect spinner = hud->indicator()->frame();
    const CGRect label = labelOf(*hud, 0)->frame();
    const CGRect details = labelOf(*hud, 1)->frame();
    EXPECT_EQ(spinner.size, CGSizeMake(37, 37));
    EXPECT_LE(details.size.width, 240);
    EXPECT_GT(details.size.height, 2 * label.size.height) << "several lines";
    EXPECT_EQ(label.origin.y, CGRectGetMaxY(spinner) + 4);
    EXPECT_EQ(details.origin.y, CGRectGetMaxY(label) + 4);
    EXPECT_EQ(hud->size().height, CGRectGetMaxY(details) - spinner.origin.y + 40);
}

TEST_F(HUDDisplayTest, TheIndicatorFollowsTheModeAndTakesTheProgress) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    const auto spinner = std::dynamic_pointer_cast<UIActivityIndicatorView>(hud->indicator());
    ASSERT_TRUE(spinner);
    EXPECT_EQ(spinner->activityIndicatorViewStyle(), UIActivityIndicatorViewStyleWhiteLarge);
    EXPECT_TRUE(spinner->isAnimating());

    hud->setMode(ProgressHUDModeAnnular);
    const auto round = std::dynamic_pointer_cast<RoundProgressView>(hud->indicator());
    ASSERT_TRUE(round);
    EXPECT_TRUE(round->isAnnular());
    EXPECT_FALSE(spinner->superview()) << "the old indicator leaves the HUD";
    hud->setMode(ProgressHUDModePie);
    hud->setProgress(0.4f);
    EXPECT_EQ(hud->indicator(), round) << "a round view is kept as it is";
    EXPECT_TRUE(round->isAnnular());
    EXPECT_EQ(round->progress(), 0.4f);

    hud->setMode(ProgressHUDModeBar);
    const auto bar = hud->indicator();
    hud->setMode(ProgressHUDModeBar);
    EXPECT_NE(hud->indicator(), bar) << "a bar is made anew each time";
    EXPECT_EQ(std::static_pointer_cast<BarProgressView>(hud->indicator())->progress(), 0)
        << "a new indicator waits for the next progress";

    auto check = std::make_shared<UIView>(CGRectMake(0, 0, 30, 30));
    hud->setCustomView(check);
    hud->setMode(ProgressHUDModeCustomView);
    EXPECT_EQ(check->superview(), hud);
    auto cross = std::make_shared<UIView>(CGRectMake(0, 0, 30, 30));
    hud->setCustomView(cross);
    EXPECT_EQ(hud->indicator(), cross);
    EXPECT_FALSE(check->superview());
    hud->setProgress(0.7f);  // a view without a progress is left alone

    hud->setMode(static_cast<ProgressHUDMode>(42));
    EXPECT_EQ(hud->indicator(), cross) << "an unknown mode changes nothing";
    hud->setMode(ProgressHUDModeText);
    EXPECT_FALSE(hud->indicator());
    EXPECT_FALSE(cross->superview());
}

TEST_F(HUDDisplayTest, InALandscapeWindowTheHUDTurnsAndSwapsItsBoundsThroughLayout) {
    UIApplication::sharedApplication().setStatusBarOrientation(UIInterfaceOrientationLandscapeLeft);
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    auto hud = ProgressHUD::showHUDAddedTo_animated(window, false);
    EXPECT_NEAR(hud->transform().b, -1, 1e-9) << "turned by −π/2";
    EXPECT_EQ(hud->bounds(), CGRectMake(0, 0, 480, 320));
    hud->layoutIfNeeded();
    EXPECT_EQ(hud->bounds().size, CGSizeMake(480, 320));
    EXPECT_NEAR(hud->frame().size.height, 480, 1e-9) << "covering the window as before";

    turnDevice(UIInterfaceOrientationPortraitUpsideDown);
    EXPECT_NEAR(hud->transform().a, -1, 1e-9) << "a half turn";
    EXPECT_EQ(hud->bounds().size, CGSizeMake(320, 480));
    EXPECT_TRUE(hud->layer()->hasRunningAnimations()) << "turned with an animation";
}

TEST_F(HUDDisplayTest, InAPlainViewTheHUDFollowsTheParentsBoundsWithoutTurning) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    auto alone = ProgressHUD::initWithFrame(CGRectMake(0, 0, 100, 100));
    host_->setBounds(CGRectMake(0, 0, 480, 320));
    turnDevice(UIInterfaceOrientationLandscapeRight);
    EXPECT_EQ(hud->transform(), CGAffineTransformIdentity);
    EXPECT_EQ(hud->frame(), CGRectMake(0, 0, 480, 320));
    EXPECT_EQ(alone->frame(), CGRectMake(0, 0, 100, 100)) << "no parent, nothing to follow";
}

TEST_F(HUDDisplayTest, NumbersThatMeanNothingLayOutAndDrawWithoutHarm) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    for (const float bad : {nan, infinity, -infinity, -1e30f}) {
        SCOPED_TRACE(bad);
        auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
        hud->setLabelText("Saved");
        hud->setDetailsLabelText("details");
        hud->setMargin(bad);
        hud->setXOffset(bad);
        hud->setYOffset(bad);
        hud->setCornerRadius(bad);
        hud->setOpacity(bad);
        hud->setMinSize({bad, bad});
        hud->setSquare(true);
        hud->setDimBackground(true);
        hud->setMode(ProgressHUDModeBar);
        hud->setProgress(bad);
        hud->layoutIfNeeded();
        hud->layer()->backingImage();
        hud->indicator()->layer()->backingImage();
        hud->setMode(ProgressHUDModeAnnular);
        hud->indicator()->layer()->backingImage();
        hud->hide_afterDelay(false, bad);
        hud->removeFromSuperview();
    }
    advance(1);
}
