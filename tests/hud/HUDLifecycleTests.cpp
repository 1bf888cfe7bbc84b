#include <gtest/gtest.h>

#include <string>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/ui/CATransform3D.h"
#include "tests/hud/HUDTestSupport.h"

namespace {

using HUDLifecycleTest = HUDTest;

// The horizontal scale of a view's transform as it is on screen now.
CGFloat shownScale(const UIView& view) {
    return CATransform3DGetAffineTransform(view.layer()->presentation().transform).a;
}

}  // namespace

TEST_F(HUDLifecycleTest, AViewMustBeGiven) {
    try {
        ProgressHUD::initWithView(nullptr);
        FAIL() << "no assertion";
    } catch (const AssertionFailure& failure) {
        const std::string what = failure.what();
        EXPECT_NE(what.find("View must not be nil."), std::string::npos) << what;
        EXPECT_NE(what.find(", ProgressHUD"), std::string::npos) << what;
    }
    EXPECT_THROW(ProgressHUD::initWithWindow(nullptr), AssertionFailure);
    EXPECT_THROW(ProgressHUD::showHUDAddedTo_animated(nullptr, true), AssertionFailure);
}

TEST_F(HUDLifecycleTest, AHUDIsMadeInvisibleAndAppearsAtOnceWithoutAnimation) {
    auto hidden = ProgressHUD::initWithView(host_);
    host_->addSubview(hidden);
    auto shown = ProgressHUD::showHUDAddedTo_animated(host_, false);
    endTurn();
    for (double wait : {0.0, 0.1, 0.2}) {
        advance(wait);
        EXPECT_EQ(hidden->layer()->presentation().opacity, 0) << "made invisible, not faded";
        EXPECT_EQ(shown->layer()->presentation().opacity, 1);
    }
    EXPECT_TRUE(shown->layer()->animationKeys().empty());
}

TEST_F(HUDLifecycleTest, EachAnimationTypeScalesOnlyWhenAnimated) {
    struct Case {
        ProgressHUDAnimation type;
        CGFloat showFrom;
        CGFloat hideTo;
    };
    for (const Case& c :
         {Case{ProgressHUDAnimationFade, 1, 1}, Case{ProgressHUDAnimationShrink, 1.5, 0.5},
          Case{ProgressHUDAnimationGrow, 0.5, 1.5}}) {
        SCOPED_TRACE(c.type);
        auto hud = ProgressHUD::initWithView(host_);
        host_->addSubview(hud);
        hud->setAnimationType(c.type);
        hud->show(true);
        endTurn();
        EXPECT_DOUBLE_EQ(shownScale(*hud), c.showFrom) << "where the show starts";
        EXPECT_EQ(hud->transform(), CGAffineTransformIdentity) << "where it ends";
        EXPECT_EQ(hud->alpha(), 1);
        advance(0.35);

        hud->hide(true);
        EXPECT_FLOAT_EQ(hud->alpha(), 0.02f) << "not 0 while the hide animates";
        EXPECT_DOUBLE_EQ(hud->transform().a, c.hideTo);
        advance(0.35);
        EXPECT_EQ(hud->alpha(), 0);

        hud->setTransform(CGAffineTransformIdentity);
        hud->show(false);
        endTurn();
        EXPECT_DOUBLE_EQ(shownScale(*hud), 1) << "no scale without animation";
        hud->hide(false);
        EXPECT_EQ(hud->transform(), CGAffineTransformIdentity);
        EXPECT_EQ(hud->alpha(), 0);
        hud->removeFromSuperview();
    }
}

TEST_F(HUDLifecycleTest, GraceTimeAloneNeverShowsTheHUD) {
    auto hud = ProgressHUD::initWithView(host_);
    host_->addSubview(hud);
    hud->setGraceTime(0.5f);
    hud->show(true);
    EXPECT_EQ(hud->alpha(), 0);
    ASSERT_TRUE(hud->graceTimer());
    advance(1);
    EXPECT_EQ(hud->alpha(), 0) << "no task in progress when the grace timer fired";
    EXPECT_FALSE(hud->showStarted());
}

TEST_F(HUDLifecycleTest, MinimumShowTimeDefersAHideAndKeepsItsAnimation) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setDelegate(recorder_);
    hud->setMinShowTime(1.0f);
    advance(0.2);
    hud->hide(true);
    EXPECT_EQ(hud->alpha(), 1);
    ASSERT_TRUE(hud->minShowTimer());
    advance(0.75);
    EXPECT_EQ(hud->alpha(), 1) << "0.95 s after showing";
    advance(0.1);
    EXPECT_FLOAT_EQ(hud->alpha(), 0.02f) << "the deferred hide animates as asked";
    EXPECT_TRUE(recorder_->hidden.empty());
    advance(0.35);
    EXPECT_EQ(hud->alpha(), 0);
    EXPECT_EQ(recorder_->hidden.size(), 1u);

    auto neverShown = ProgressHUD::initWithView(host_);
    neverShown->setMinShowTime(1.0f);
    neverShown->setDelegate(recorder_);
    neverShown->hide(true);
    EXPECT_EQ(recorder_->hidden.size(), 2u) << "a HUD never shown hides at once";
    EXPECT_FALSE(neverShown->minShowTimer());
}

TEST_F(HUDLifecycleTest, ADelayedHideIsCancelledByAnyHideThatFinishes) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setDelegate(recorder_);
    hud->hide_afterDelay(false, 1.0);
    advance(0.2);
    hud->hide(false);
    EXPECT_EQ(recorder_->hidden.size(), 1u);
    hud->show(false);
    advance(1.5);
    EXPECT_EQ(hud->alpha(), 1) << "the delayed hide did not fire after all";
    EXPECT_EQ(recorder_->hidden.size(), 1u);

    hud->hide_afterDelay(true, 0.5);
    advance(0.45);
    EXPECT_EQ(hud->alpha(), 1);
    advance(0.4);
    EXPECT_EQ(hud->alpha(), 0);
    EXPECT_EQ(recorder_->hidden.size(), 2u);
}

TEST_F(HUDLifecycleTest, TheCompletionRunsOnceAndIsGoneBeforeTheDelegateHears) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setDelegate(recorder_);
    int runs = 0;
    hud->setCompletionBlock([&] { ++runs; });
    hud->hide(false);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(recorder_->completionSetWhenTold, std::vector<bool>{false});
    hud->show(false);
    hud->hide(false);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(recorder_->hidden.size(), 2u);
}

TEST_F(HUDLifecycleTest, ACompletionMayHandTheHUDANewOneOrShowItAgain) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    ProgressHUD* const raw = hud.get();
    int later = 0;
    hud->setCompletionBlock([raw, &later] {
        raw->setCompletionBlock([&later] { ++later; });
        raw->show(false);
    });
    hud->hide(false);
    EXPECT_TRUE(hud->completionBlock()) << "the new completion is kept";
    EXPECT_EQ(hud->alpha(), 1);
    ASSERT_TRUE(hud->showStarted()) << "shown again, so the next hide animates";
    hud->hide(true);
    EXPECT_FLOAT_EQ(hud->alpha(), 0.02f);
    advance(0.35);
    EXPECT_EQ(later, 1);
}

TEST_F(HUDLifecycleTest, HUDsOfAViewAreFoundTopmostFirstAndRemovedOnceHidden) {
    EXPECT_FALSE(ProgressHUD::HUDForView(host_));
    EXPECT_FALSE(ProgressHUD::hideHUDForView_animated(host_, true));
    EXPECT_EQ(ProgressHUD::hideAllHUDsForView_animated(host_, true), 0u);
    EXPECT_TRUE(ProgressHUD::allHUDsForView(nullptr).empty());

    host_->addSubview(std::make_shared<UIView>());
    auto first = ProgressHUD::showHUDAddedTo_animated(host_, true);
    auto second = ProgressHUD::showHUDAddedTo_animated(host_, true);
    host_->addSubview(std::make_shared<UIView>());
    EXPECT_EQ(ProgressHUD::HUDForView(host_), second);
    EXPECT_EQ(ProgressHUD::allHUDsForView(host_),
              (std::vector<std::shared_ptr<ProgressHUD>>{first, second}));
    advance(0.35);

    EXPECT_EQ(ProgressHUD::hideAllHUDsForView_animated(host_, true), 2u);
    EXPECT_EQ(host_->subviews().size(), 4u) << "still there while they fade";
    advance(0.35);
    EXPECT_EQ(host_->subviews().size(), 2u);
    EXPECT_TRUE(ProgressHUD::allHUDsForView(host_).empty());

    const std::weak_ptr<ProgressHUD> released = first;
    first.reset();
    second.reset();
    EXPECT_TRUE(released.expired()) << "a removed HUD is let go of";
}

TEST_F(HUDLifecycleTest, HidingTheTopmostHUDLeavesTheOneBelow) {
    auto below = ProgressHUD::showHUDAddedTo_animated(host_, false);
    auto top = ProgressHUD::showHUDAddedTo_animated(host_, false);
    EXPECT_TRUE(ProgressHUD::hideHUDForView_animated(host_, false));
    EXPECT_FALSE(top->superview());
    EXPECT_EQ(ProgressHUD::HUDForView(host_), below);
    EXPECT_EQ(below->alpha(), 1);
}
