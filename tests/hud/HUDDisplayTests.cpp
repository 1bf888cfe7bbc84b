#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/foundation/NSNotificationCenter.h"
#include "platform/graphics/Typesetter.h"
#include "platform/ui/UIActivityIndicatorView.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIDevice.h"
#include "platform/ui/UIFont.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIWindow.h"
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
};

CGSize ceiled(CGSize size) {
    return {std::ceil(size.width), std::ceil(size.height)};
}

}  // namespace

TEST_F(HUDDisplayTest, SavedInTextModeIsTheLabelInAPaddedBoxCentredInTheParent) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setMode(ProgressHUDModeText);
    hud->setLabelText("Saved");
    hud->setYOffset(-30);
    hud->layoutIfNeeded();

    const CGSize text =
        ceiled(Typesetter::sizeOfText("Saved", UIFont::boldSystemFontOfSize(16)->descriptor()));
    ASSERT_GT(text.width, 0);
    EXPECT_FALSE(hud->indicator());
    EXPECT_EQ(
        labelOf(*hud, 0)->frame(),
        CGRectMake(std::round((320 - text.width) / 2),
                   std::round((480 - text.height - 40) / 2) + 20 - 30, text.width, text.height));
    EXPECT_EQ(hud->size(), CGSizeMake(text.width + 40, text.height + 40));
    EXPECT_EQ(labelOf(*hud, 1)->frame().size, CGSizeZero);
}

TEST_F(HUDDisplayTest, DetailsWrapWithinTheBoundsLessFourMargins) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setLabelText("Exporting");
    hud->setDetailsLabelText(
        "The note is being copied to the Notes app, which can take a moment on older devices.");
    hud->layoutIfNeeded();
    const auto spinner = hud->indicator();
    const auto label = labelOf(*hud, 0);
    const auto details = labelOf(*hud, 1);
    ASSERT_TRUE(spinner);
    EXPECT_EQ(spinner->frame().size, CGSizeMake(37, 37));
    EXPECT_LE(details->frame().size.width, 240);
    EXPECT_GT(details->frame().size.height, 2 * label->frame().size.height) << "several lines";
    EXPECT_EQ(label->frame().origin.y, CGRectGetMaxY(spinner->frame()) + 4);
    EXPECT_EQ(details->frame().origin.y, CGRectGetMaxY(label->frame()) + 4);
    EXPECT_EQ(hud->size().height,
              37 + 4 + label->frame().size.height + 4 + details->frame().size.height + 40);
}

TEST_F(HUDDisplayTest, TheIndicatorFollowsTheMode) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    const auto spinner = std::dynamic_pointer_cast<UIActivityIndicatorView>(hud->indicator());
    ASSERT_TRUE(spinner);
    EXPECT_EQ(spinner->activityIndicatorViewStyle(), UIActivityIndicatorViewStyleWhiteLarge);
    EXPECT_TRUE(spinner->isAnimating());
    hud->setMode(ProgressHUDModeIndeterminate);
    EXPECT_EQ(hud->indicator(), spinner) << "a spinner is kept";

    hud->setMode(ProgressHUDModeAnnular);
    const auto round = std::dynamic_pointer_cast<RoundProgressView>(hud->indicator());
    ASSERT_TRUE(round);
    EXPECT_TRUE(round->isAnnular());
    EXPECT_FALSE(spinner->superview()) << "the old indicator leaves the HUD";
    hud->setMode(ProgressHUDModePie);
    EXPECT_EQ(hud->indicator(), round);
    EXPECT_TRUE(round->isAnnular()) << "kept as it is, still a ring";

    hud->setMode(ProgressHUDModeBar);
    const auto bar = hud->indicator();
    hud->setMode(ProgressHUDModeBar);
    EXPECT_NE(hud->indicator(), bar) << "a bar is made anew each time";
    EXPECT_FALSE(bar->superview());
    EXPECT_EQ(hud->indicator()->bounds(), CGRectMake(0, 0, 120, 20));

    auto check = std::make_shared<UIView>(CGRectMake(0, 0, 30, 30));
    hud->setCustomView(check);
    hud->setMode(ProgressHUDModeCustomView);
    EXPECT_EQ(hud->indicator(), check);
    EXPECT_EQ(check->superview(), hud);
    auto cross = std::make_shared<UIView>(CGRectMake(0, 0, 30, 30));
    hud->setCustomView(cross);
    EXPECT_EQ(hud->indicator(), cross);
    EXPECT_FALSE(check->superview());

    hud->setMode(static_cast<ProgressHUDMode>(42));
    EXPECT_EQ(hud->indicator(), cross) << "an unknown mode changes nothing";
    hud->setMode(ProgressHUDModeText);
    EXPECT_FALSE(hud->indicator());
    EXPECT_FALSE(cross->superview());
    hud->setProgress(0.5f);  // nothing to pass it to
}

TEST_F(HUDDisplayTest, ProgressReachesAnyIndicatorWithAProgressSetter) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setMode(ProgressHUDModeBar);
    hud->setProgress(0.3f);
    EXPECT_EQ(std::static_pointer_cast<BarProgressView>(hud->indicator())->progress(), 0.3f);
    hud->setMode(ProgressHUDModePie);
    EXPECT_EQ(std::static_pointer_cast<RoundProgressView>(hud->indicator())->progress(), 0)
        << "a new indicator starts from nothing";
    hud->setCustomView(std::make_shared<UIView>());
    hud->setMode(ProgressHUDModeCustomView);
    hud->setProgress(0.7f);  // a plain view has no progress: left alone
}

TEST_F(HUDDisplayTest, InALandscapeWindowTheHUDTurnsAndSwapsItsBounds) {
    UIApplication::sharedApplication().setStatusBarOrientation(UIInterfaceOrientationLandscapeLeft);
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    auto hud = ProgressHUD::showHUDAddedTo_animated(window, false);
    const CGAffineTransform turned = hud->transform();
    EXPECT_NEAR(turned.b, -1, 1e-9) << "a quarter turn back, −π/2";
    EXPECT_NEAR(turned.a, 0, 1e-9);
    EXPECT_EQ(hud->bounds(), CGRectMake(0, 0, 480, 320));
    hud->layoutIfNeeded();
    EXPECT_EQ(hud->bounds().size, CGSizeMake(480, 320)) << "layout keeps the turn";
    const CGRect frame = hud->frame();
    EXPECT_NEAR(frame.origin.x, 0, 1e-9);
    EXPECT_NEAR(frame.size.width, 320, 1e-9) << "covering the window as it did";
    EXPECT_NEAR(frame.size.height, 480, 1e-9);

    UIApplication::sharedApplication().setStatusBarOrientation(
        UIInterfaceOrientationPortraitUpsideDown);
    NSNotificationCenter::defaultCenter().postNotificationName(
        UIDeviceOrientationDidChangeNotification);
    EXPECT_NEAR(hud->transform().a, -1, 1e-9) << "a half turn";
    EXPECT_EQ(hud->bounds().size, CGSizeMake(320, 480));
    EXPECT_TRUE(hud->layer()->hasRunningAnimations()) << "turned with an animation";
}

TEST_F(HUDDisplayTest, InAPlainViewTheHUDFollowsTheParentsBoundsWithoutTurning) {
    UIApplication::sharedApplication().setStatusBarOrientation(
        UIInterfaceOrientationLandscapeRight);
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    host_->setBounds(CGRectMake(0, 0, 480, 320));
    NSNotificationCenter::defaultCenter().postNotificationName(
        UIDeviceOrientationDidChangeNotification);
    EXPECT_EQ(hud->transform(), CGAffineTransformIdentity);
    EXPECT_EQ(hud->frame(), CGRectMake(0, 0, 480, 320));

    auto alone = ProgressHUD::initWithFrame(CGRectMake(0, 0, 100, 100));
    NSNotificationCenter::defaultCenter().postNotificationName(
        UIDeviceOrientationDidChangeNotification);
    EXPECT_EQ(alone->frame(), CGRectMake(0, 0, 100, 100)) << "no parent, nothing to follow";
}
