#include <gtest/gtest.h>

#include <string>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/ui/layers/CATransform3D.h"
#include "tests/hud/HUDTestSupport.h"

namespace {

using HUDLifecycleTest = HUDTest;

CGFloat scaleOnScreen(const UIView& view) {
    return CATransform3DGetAffineTransform(view.layer()->presentation().transform).a;
}

}  // namespace

TEST_F(HUDLifecycleTest, AViewMustBeGiven) {
    try {
        ProgressHUD::showHUDAddedTo_animated(nullptr, true);
        FAIL() << "no assertion";
    } catch (const AssertionFailure& failure) {
        const std::string what = failure.what();
        EXPECT_NE(what.find("View must not be nil."), std::string::npos) << what;
        EXPECT_NE(what.find(", ProgressHUD"), std::string::npos) << what;
    }
    EXPECT_THROW(ProgressHUD::initWithWindow(nullptr), AssertionFailure);
}

TEST_F(HUDLifecycleTest, ANewHUDIsInvisibleAndAnUnanimatedShowIsWholeAtOnce) {
    auto hidden = ProgressHUD::initWithView(host_);
    host_->addSubview(hidden);
    auto shown = ProgressHUD::showHUDAddedTo_animated(host_, false);
    endTurn();
    for (double wait : {0.0, 0.1, 0.2}) {
        advance(wait);
        EXPECT_EQ(hidden->layer()->presentation().opacity, 0) << "made invisible, not faded";
        EXPECT_EQ(shown->layer()->presentation().opacity, 1);
    }
}

TEST_F(HUDLifecycleTest, ShrinkAndGrowScaleTheAnimatedShowAndHide) {
    struct Case {
        ProgressHUDAnimation type;
        CGFloat showFrom, hideTo;
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
        EXPECT_DOUBLE_EQ(scaleOnScreen(*hud), c.showFrom);
        EXPECT_EQ(hud->transform(), CGAffineTransformIdentity) << "where the show ends";
        advance(0.35);
        hud->hide(true);
        EXPECT_FLOAT_EQ(hud->alpha(), 0.02f) << "not 0 while the hide animates";
        EXPECT_DOUBLE_EQ(hud->transform().a, c.hideTo);
        advance(0.35);
        EXPECT_EQ(hud->alpha(), 0);

        hud->setTransform(CGAffineTransformIdentity);
        hud->show(false);
        hud->hide(false);
        EXPECT_EQ(hud->transform(), CGAffineTransformIdentity) << "no scale unanimated";
    }
}

TEST_F(HUDLifecycleTest, GraceTimeWithoutATaskNeverShowsTheHUD) {
    auto hud = ProgressHUD::initWithView(host_);
    host_->addSubview(hud);
    hud->setGraceTime(0.5f);
    hud->show(true);
    ASSERT_TRUE(hud->graceTimer());
    advance(1);
    EXPECT_EQ(hud->alpha(), 0);
    EXPECT_FALSE(hud->showStarted());
}

TEST_F(HUDLifecycleTest, MinimumShowTimeDefersAHideAndKeepsItsAnimation) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setDelegate(recorder_);
    hud->setMinShowTime(1.0f);
    advance(0.2);
    hud->hide(true);
    advance(0.75);
    EXPECT_EQ(hud->alpha(), 1) << "0.95 s after showing";
    advance(0.1);
    EXPECT_FLOAT_EQ(hud->alpha(), 0.02f) << "the deferred hide animates as asked";
    advance(0.35);
    EXPECT_EQ(hud->alpha(), 0);
    EXPECT_EQ(recorder_->hidden.size(), 1u);

    auto neverShown = ProgressHUD::initWithView(host_);
    neverShown->setMinShowTime(1.0f);
    neverShown->setDelegate(recorder_);
    neverShown->hide(true);
    EXPECT_EQ(recorder_->hidden.size(), 2u) << "a HUD never shown hides at once";
}

TEST_F(HUDLifecycleTest, ADelayedHideIsCancelledByAnyHideThatFinishesFirst) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setDelegate(recorder_);
    hud->hide_afterDelay(false, 1.0);
    advance(0.2);
    hud->hide(false);
    hud->show(false);
    advance(1.5);
    EXPECT_EQ(hud->alpha(), 1) << "the delayed hide did not come after all";
    EXPECT_EQ(recorder_->hidden.size(), 1u);

    hud->hide_afterDelay(true, 0.5);
    advance(0.45);
    EXPECT_EQ(hud->alpha(), 1);
    advance(0.4);
    EXPECT_EQ(hud->alpha(), 0);
}

TEST_F(HUDLifecycleTest, TheCompletionRunsOnceAndIsGoneBeforeTheDelegateHears) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setDelegate(recorder_);
    int runs = 0;
    hud->setCompletionBlock([&] { ++runs; });
    hud->hide(false);
    hud->show(false);
    hud->hide(false);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(recorder_->completionSetWhenTold, (std::vector<bool>{false, false}));
}

TEST_F(HUDLifecycleTest, ACompletionMayHandTheHUDANewOneAndShowItAgain) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    ProgressHUD* const raw = hud.get();
    int later = 0;
    hud->setCompletionBlock([raw, &later] {
        raw->setCompletionBlock([&later] { ++later; });
        raw->show(false);
    });
    hud->hide(false);
    EXPECT_EQ(hud->alpha(), 1);
    hud->hide(true);
    EXPECT_FLOAT_EQ(hud->alpha(), 0.02f) << "shown again, so this hide animates";
    advance(0.35);
    EXPECT_EQ(later, 1) << "the new completion was kept";
}

TEST_F(HUDLifecycleTest, HUDsOfAViewAreFoundTopmostFirstAndRemovedOnceHidden) {
    EXPECT_FALSE(ProgressHUD::HUDForView(host_));
    EXPECT_FALSE(ProgressHUD::hideHUDForView_animated(host_, true));
    EXPECT_EQ(ProgressHUD::hideAllHUDsForView_animated(nullptr, true), 0u);

    host_->addSubview(std::make_shared<UIView>());
    auto first = ProgressHUD::showHUDAddedTo_animated(host_, true);
    auto second = ProgressHUD::showHUDAddedTo_animated(host_, true);
    auto third = ProgressHUD::showHUDAddedTo_animated(host_, false);
    host_->addSubview(std::make_shared<UIView>());
    EXPECT_EQ(ProgressHUD::HUDForView(host_), third);
    EXPECT_TRUE(ProgressHUD::hideHUDForView_animated(host_, false));
    EXPECT_FALSE(third->superview()) << "the topmost, at once";
    EXPECT_EQ(ProgressHUD::allHUDsForView(host_),
              (std::vector<std::shared_ptr<ProgressHUD>>{first, second}));
    advance(0.35);

    EXPECT_EQ(ProgressHUD::hideAllHUDsForView_animated(host_, true), 2u);
    EXPECT_EQ(host_->subviews().size(), 4u) << "still there while they fade";
    advance(0.35);
    EXPECT_EQ(host_->subviews().size(), 2u);

    const std::weak_ptr<ProgressHUD> released = first;
    first.reset();
    second.reset();
    EXPECT_TRUE(released.expired()) << "a removed HUD is let go of";
}
