#include <gtest/gtest.h>

#include <limits>

#include "platform/runtime/Runtime.h"
#include "platform/ui/layers/CAAnimation.h"
#include "platform/ui/layers/CAMediaTimingFunction.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/layers/LayerTransition.h"
#include "platform/ui/layers/SpringTiming.h"
#include "platform/ui/views/UIView.h"
#include "tests/support/VirtualTimeTest.h"

namespace {

class ViewAnimationTest : public VirtualTimeTest {
protected:
    double presentedAlpha() const { return view_->layer()->presentation().opacity; }
    CGPoint presentedCenter() const { return view_->layer()->presentation().position; }

    std::shared_ptr<UIView> view_ = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
    std::vector<bool> completions_;
    UIView::Completion record_ = [this](bool finished) { completions_.push_back(finished); };
};

class StopRecorder : public CAAnimationDelegate {
public:
    void animationDidStart(CAAnimation*) override { ++starts; }
    void animationDidStop_finished(CAAnimation*, bool finished) override {
        stops.push_back(finished);
    }
    int starts = 0;
    std::vector<bool> stops;
};

// A delegate of the older blocks, told through the runtime when a block ends.
class BlockObserver : public NSObject {
    RUNTIME_CLASS(BlockObserver)
    std::vector<std::pair<std::string, bool>> ends;
};

Class BlockObserver::classObject() {
    static const Class cls =
        defineClass<BlockObserver>("BlockObserver", NSObject::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "animationFinished:finished:context:",
                +[](id self, SEL, const std::string& name, bool finished, void*) {
                    static_cast<BlockObserver*>(self)->ends.emplace_back(name, finished);
                });
        });
    return cls;
}

}  // namespace

TEST_F(ViewAnimationTest, ModelChangesAtOnceAndThePresentationFollowsTheCurve) {
    UIView::animateWithDuration_delay_options_animations_completion(
        1.0, 0, UIViewAnimationOptionCurveLinear, [&] { view_->setAlpha(0); }, record_);
    EXPECT_EQ(view_->alpha(), 0) << "the model value changes at once";
    endTurn();
    EXPECT_DOUBLE_EQ(presentedAlpha(), 1);
    advance(0.25);
    EXPECT_NEAR(presentedAlpha(), 0.75, 1e-6);
    advance(0.74);
    EXPECT_TRUE(completions_.empty());
    advance(0.02);
    EXPECT_DOUBLE_EQ(presentedAlpha(), 0);
    EXPECT_EQ(completions_, std::vector<bool>{true});
    advance(5);
    EXPECT_EQ(completions_.size(), 1u) << "a completion runs exactly once";
}

TEST_F(ViewAnimationTest, AnInterruptedAnimationCompletesUnfinishedAndTheNextCanStartWhereItWas) {
    UIView::animateWithDuration_delay_options_animations_completion(
        1.0, 0, UIViewAnimationOptionCurveLinear,
        [&] {
            view_->setCenter({150, 50});
        },
        record_);
    endTurn();
    advance(0.5);
    ASSERT_NEAR(presentedCenter().x, 100, 1e-6);

    UIView::animateWithDuration_delay_options_animations_completion(
        1.0, 0, UIViewAnimationOptionCurveLinear | UIViewAnimationOptionBeginFromCurrentState,
        [&] {
            view_->setCenter({0, 50});
        },
        record_);
    endTurn();
    EXPECT_NEAR(presentedCenter().x, 100, 1e-6) << "begins from what is on screen";
    EXPECT_EQ(completions_, std::vector<bool>{false});
    advance(0.5);
    EXPECT_NEAR(presentedCenter().x, 50, 1e-6);

    UIView::animateWithDuration_delay_options_animations_completion(
        1.0, 0, UIViewAnimationOptionCurveLinear,
        [&] {
            view_->setCenter({100, 50});
        },
        record_);
    endTurn();
    EXPECT_NEAR(presentedCenter().x, 0, 1e-6)
        << "without the option it starts from the old model value";
    advance(2);
    EXPECT_EQ(completions_, (std::vector<bool>{false, false, true}));
}

TEST_F(ViewAnimationTest, SpringOvershootsThenSettlesAtItsTargetByItsDuration) {
    UIView::
        animateWithDuration_delay_usingSpringWithDamping_initialSpringVelocity_options_animations_completion(
            0.5, 0, 0.5, 0.6, 0,
            [&] {
                view_->setCenter({250, 50});
            },
            record_);
    endTurn();
    double furthest = 0;
    for (int step = 0; step < 50; ++step) {
        advance(0.01);
        furthest = std::max(furthest, presentedCenter().x);
    }
    EXPECT_GT(furthest, 250.5) << "an underdamped spring overshoots";
    advance(0.001);
    EXPECT_DOUBLE_EQ(presentedCenter().x, 250);
    EXPECT_EQ(completions_, std::vector<bool>{true});

    SpringTiming critical(1.0, 0.6, 0.5);
    for (double t = 0; t <= 0.5; t += 0.01) EXPECT_LE(critical.progressAt(t), 1.0 + 1e-9) << t;
    EXPECT_NEAR(critical.progressAt(0.499), 1.0, 0.002);
}

TEST_F(ViewAnimationTest, ADelayedAnimationShowsItsStartUntilItBegins) {
    UIView::animateWithDuration_delay_options_animations_completion(
        0.5, 1.0, 0, [&] { view_->setAlpha(0.2); }, record_);
    endTurn();
    advance(0.9);
    EXPECT_DOUBLE_EQ(presentedAlpha(), 1);
    advance(1);
    EXPECT_NEAR(presentedAlpha(), 0.2, 1e-6);
    EXPECT_EQ(completions_, std::vector<bool>{true});
}

TEST_F(ViewAnimationTest, ABlockThatChangesNothingStillCompletes) {
    UIView::animateWithDuration_animations_completion(
        0.3, [] {}, record_);
    EXPECT_TRUE(completions_.empty());
    endTurn();
    EXPECT_EQ(completions_, std::vector<bool>{true});
}

TEST_F(ViewAnimationTest, NestedBlocksInheritTheDurationUnlessTheyOverrideIt) {
    UIView::animateWithDuration_delay_options_animations_completion(
        2.0, 0, UIViewAnimationOptionCurveLinear,
        [&] {
            UIView::animateWithDuration_animations(0.1, [&] { view_->setAlpha(0); });
            UIView::animateWithDuration_delay_options_animations_completion(
                0.5, 0,
                UIViewAnimationOptionOverrideInheritedDuration | UIViewAnimationOptionCurveLinear,
                [&] {
                    view_->setCenter({100, 50});
                },
                nullptr);
        },
        record_);
    endTurn();
    advance(1.0);
    EXPECT_NEAR(presentedAlpha(), 0.5, 1e-6) << "the inner block ran for the outer block's 2 s";
    EXPECT_DOUBLE_EQ(presentedCenter().x, 100) << "the overriding block ran for its own 0.5 s";
}

TEST_F(ViewAnimationTest, OlderBlocksTakeTheirSettingsAtCommitAndTellTheirDelegate) {
    auto observer = std::make_shared<BlockObserver>();
    UIView::beginAnimations_context("fade", nullptr);
    view_->setAlpha(0);
    UIView::setAnimationCurve(UIViewAnimationCurveLinear);
    UIView::setAnimationDuration(2.0);
    UIView::setAnimationDelegate(observer);
    UIView::setAnimationDidStopSelector("animationFinished:finished:context:");
    UIView::commitAnimations();
    EXPECT_EQ(view_->alpha(), 0);
    endTurn();
    advance(1.0);
    EXPECT_NEAR(presentedAlpha(), 0.5, 1e-6);
    advance(1.1);
    EXPECT_EQ(observer->ends, (std::vector<std::pair<std::string, bool>>{{"fade", true}}));
}

TEST_F(ViewAnimationTest, ATransitionShowsTheNewModelStateAtOnceAndEndsAfterItsDuration) {
    view_->setAlpha(0);
    UIView::beginAnimations_context("", nullptr);
    UIView::setAnimationTransition_forView_cache(UIViewAnimationTransitionSuck, view_, true);
    UIView::setAnimationPosition({300, 400});
    UIView::setAnimationDuration(0.3);
    UIView::commitAnimations();
    auto transition = view_->layer()->transition();
    ASSERT_NE(transition, nullptr);
    EXPECT_EQ(transition->kind, TransitionKind::Collapse);
    EXPECT_EQ(transition->target, CGPointMake(300, 400));
    EXPECT_EQ(view_->alpha(), 0);
    endTurn();
    advance(0.29);
    EXPECT_TRUE(view_->layer()->hasRunningAnimations());
    advance(0.02);
    EXPECT_EQ(view_->layer()->transition(), nullptr);
    EXPECT_FALSE(view_->layer()->hasRunningAnimations());
}

TEST_F(ViewAnimationTest, DurationsAndDelaysThatCouldNeverRunTheirCourseEndPromptly) {
    auto flipped = std::make_shared<UIView>(CGRectMake(0, 0, 10, 10));
    auto layer = CALayer::layer();
    for (const double timing :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), -1.0}) {
        UIView::animateWithDuration_delay_options_animations_completion(
            timing, timing, 0, [&] { view_->setAlpha(0.5); }, record_);
        UIView::beginAnimations_context("", nullptr);
        UIView::setAnimationTransition_forView_cache(UIViewAnimationTransitionFlipFromLeft, flipped,
                                                     true);
        flipped->setAlpha(0.5);
        UIView::setAnimationDuration(timing);
        UIView::setAnimationDelay(timing);
        UIView::commitAnimations();
        auto fade = CABasicAnimation::animationWithKeyPath("opacity");
        fade->setFromValue(0.0);
        fade->setDuration(timing);
        fade->setBeginTime(timing);
        layer->addAnimation_forKey(fade, "fade");
        endTurn();
        advance(0.3);  // past the platform's default length of 0.25 s
        EXPECT_FALSE(view_->layer()->hasRunningAnimations()) << timing;
        EXPECT_FALSE(flipped->layer()->hasRunningAnimations()) << timing;
        EXPECT_FALSE(layer->hasRunningAnimations()) << timing;
        EXPECT_DOUBLE_EQ(presentedAlpha(), 0.5) << timing;
        EXPECT_DOUBLE_EQ(flipped->layer()->presentation().opacity, 0.5) << timing;
        view_->setAlpha(1);
        flipped->setAlpha(1);
    }
    EXPECT_EQ(completions_, std::vector<bool>(4, true));
}

TEST_F(ViewAnimationTest, ViewsDoNotAnimateOutsideBlocksButStandaloneLayersDo) {
    view_->setAlpha(0.5);
    endTurn();
    EXPECT_TRUE(view_->layer()->animationKeys().empty());

    auto layer = CALayer::layer();
    layer->setOpacity(0);
    endTurn();
    EXPECT_EQ(layer->animationKeys(), std::vector<std::string>{"opacity"});
    advance(0.125);
    EXPECT_GT(layer->presentation().opacity, 0.1);
    advance(0.2);
    EXPECT_TRUE(layer->animationKeys().empty());

    CATransaction::begin();
    CATransaction::setDisableActions(true);
    layer->setOpacity(1);
    CATransaction::commit();
    EXPECT_TRUE(layer->animationKeys().empty());
}

TEST_F(ViewAnimationTest, ExplicitLayerAnimationsKeepTheirEndAndReportHowTheyStopped) {
    auto layer = CALayer::layer();
    auto delegate = std::make_shared<StopRecorder>();
    auto grow = CAKeyframeAnimation::animationWithKeyPath("transform.scale");
    grow->setValues({0.1, 1.4, 0.95, 1.0});
    grow->setDuration(0.35);
    grow->setRemovedOnCompletion(false);
    grow->setFillMode(CAFillMode::Forwards);
    grow->setDelegate(delegate);
    layer->setTransform(CATransform3DMakeScale(0.5, 0.5, 1));
    layer->addAnimation_forKey(grow, "cp_l_appear");
    EXPECT_EQ(delegate->starts, 0) << "started when the transaction commits";
    endTurn();
    EXPECT_EQ(delegate->starts, 1);
    advance(0.35 / 3);
    EXPECT_NEAR(CATransform3DGetScale(layer->presentation().transform), 1.4, 1e-6);
    advance(1);
    EXPECT_NEAR(CATransform3DGetScale(layer->presentation().transform), 1.0, 1e-9)
        << "kept after completion";
    EXPECT_EQ(delegate->stops, std::vector<bool>{true});
    EXPECT_EQ(layer->animationForKey("cp_l_appear"), grow);

    auto shrink = CABasicAnimation::animationWithKeyPath("transform.scale");
    shrink->setFromValue(1.0);
    shrink->setDuration(0.1);
    shrink->setDelegate(delegate);
    layer->addAnimation_forKey(shrink, "cp_l_disappear");
    endTurn();
    layer->removeAnimationForKey("cp_l_disappear");
    endTurn();
    EXPECT_EQ(delegate->stops, (std::vector<bool>{true, false}));
}

TEST(TimingFunctionTest, NamedCurvesHaveTheirShapes) {
    auto linear = CAMediaTimingFunction::functionWithName(kCAMediaTimingFunctionLinear);
    auto easeInOut = CAMediaTimingFunction::functionWithName(kCAMediaTimingFunctionEaseInEaseOut);
    EXPECT_NEAR(linear->valueAt(0.3), 0.3, 1e-6);
    EXPECT_NEAR(easeInOut->valueAt(0.5), 0.5, 1e-6);
    EXPECT_LT(easeInOut->valueAt(0.1), 0.05);
    EXPECT_GT(easeInOut->valueAt(0.9), 0.95);
    EXPECT_EQ(easeInOut->valueAt(-1), 0);
    EXPECT_EQ(easeInOut->valueAt(2), 1);
}
