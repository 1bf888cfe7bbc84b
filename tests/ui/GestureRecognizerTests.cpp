#include <gtest/gtest.h>

#include "platform/ui/touches/UIGestureRecognizerDelegate.h"
#include "platform/ui/touches/UILongPressGestureRecognizer.h"
#include "platform/ui/touches/UIPanGestureRecognizer.h"
#include "platform/ui/touches/UITapGestureRecognizer.h"
#include "tests/ui/TouchTestSupport.h"

namespace {

using GestureRecognizerTest = TouchTest;
using Calls = std::vector<std::string>;
using States = std::vector<UIGestureRecognizerState>;

constexpr auto Began = UIGestureRecognizerStateBegan;
constexpr auto Changed = UIGestureRecognizerStateChanged;
constexpr auto Ended = UIGestureRecognizerStateEnded;
constexpr auto Cancelled = UIGestureRecognizerStateCancelled;

// A target class of its own, so that a hook on it reaches no other test.
class HookedTarget : public GestureTarget {
    RUNTIME_CLASS(HookedTarget)
};

Class HookedTarget::classObject() {
    static const Class cls =
        defineClass<HookedTarget>("HookedTarget", GestureTarget::classObject());
    return cls;
}

int hookedTaps = 0;
void (*previousTap)(id, SEL, UIGestureRecognizer*) = nullptr;
void hookedTap(id self, SEL action, UIGestureRecognizer* recognizer) {
    ++hookedTaps;
    previousTap(self, action, recognizer);
}

class Delegate : public UIGestureRecognizerDelegate {
public:
    bool gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) override {
        stateWhenAsked = recognizer->state();
        return mayBegin;
    }
    bool gestureRecognizer_shouldReceiveTouch(UIGestureRecognizer*, UITouch*) override {
        return receives;
    }
    bool gestureRecognizer_shouldRecognizeSimultaneouslyWithGestureRecognizer(
        UIGestureRecognizer*, UIGestureRecognizer*) override {
        return simultaneous;
    }

    bool mayBegin = true;
    bool receives = true;
    bool simultaneous = false;
    UIGestureRecognizerState stateWhenAsked = UIGestureRecognizerStateFailed;
};

}  // namespace

TEST_F(GestureRecognizerTest, ATapFiresTheTapAndATapThenAHoldFiresTheLongPress) {
    // A button with a tap, and a long press that wants one tap first and a 0.05 s hold.
    auto button = addView(CGRectMake(20, 400, 30, 30));
    attach<UITapGestureRecognizer>(button, "detectTap:");
    auto hold = attach<UILongPressGestureRecognizer>(button, "handleHold:");
    hold->setNumberOfTapsRequired(1);
    hold->setMinimumPressDuration(0.05);
    const CGPoint point{35, 415};

    tap(point);
    advance(1);
    EXPECT_EQ(target_->count("detectTap:"), 1);
    EXPECT_EQ(target_->count("handleHold:"), 0) << "no second touch came";

    tap(point);
    advance(0.1);
    finger_.fingerDown(point);
    advance(0.2);
    EXPECT_EQ(target_->states("handleHold:"), States{Began});
    EXPECT_EQ(button->calls.back(), "cancelled") << "the held touch left the button";
    finger_.fingerUp(point);
    EXPECT_EQ(target_->states("handleHold:"), (States{Began, Ended}));
    EXPECT_EQ(target_->count("detectTap:"), 2) << "the first tap of the pair is a tap too";

    advance(1);
    tap(point);
    advance(0.1);
    tap(point, 0.02);
    advance(1);
    EXPECT_EQ(target_->count("detectTap:"), 4) << "a quick double tap is two taps";
    EXPECT_EQ(target_->count("handleHold:"), 2) << "released before the hold began";

    finger_.fingerDown(point);
    advance(1);
    finger_.fingerUp(point);
    EXPECT_EQ(target_->count("handleHold:"), 2) << "a hold without the tap before it";
}

TEST_F(GestureRecognizerTest, ALongPressFailsWhenTheFingerMovesBeforeItBegins) {
    auto view = addView(CGRectMake(0, 0, 320, 480));
    attach<UILongPressGestureRecognizer>(view, "handleHold:");

    finger_.fingerDown({100, 100});
    advance(0.2);
    finger_.fingerMoved({108, 106});  // 10 points away: still allowed
    advance(0.1);
    finger_.fingerMoved({111, 100});
    advance(1);
    finger_.fingerUp({111, 100});
    finger_.fingerDown({100, 100});
    advance(0.3);
    finger_.fingerUp({100, 100});
    EXPECT_TRUE(target_->calls.empty());

    finger_.fingerDown({100, 100});
    advance(0.49);
    EXPECT_TRUE(target_->calls.empty());
    advance(0.02);
    finger_.fingerMoved({160, 100});
    finger_.fingerUp({160, 100});
    EXPECT_EQ(target_->states("handleHold:"), (States{Began, Changed, Ended}))
        << "once begun, it moves freely";
}

TEST_F(GestureRecognizerTest, APanBeginsPastItsThresholdAndTheViewFollowsTheFingerExactly) {
    auto note = addView(CGRectMake(100, 100, 200, 200));
    attach<UIPanGestureRecognizer>(note, "dragView:");

    finger_.fingerDown({150, 150});
    finger_.fingerMoved({155, 150});
    finger_.fingerMoved({156, 158});  // 10 points away: begins, counting from the touch-down
    EXPECT_EQ(target_->states("dragView:"), States{Began});
    EXPECT_EQ(note->center(), CGPointMake(206, 208)) << "the first callback catches up";
    const CGPoint path[] = {{166.5, 138}, {170.25, 139.75}, {30, 460}, {96, 138.5}};
    for (const CGPoint& point : path) {
        advance(0.016);
        finger_.fingerMoved(point);
    }
    finger_.fingerUp({96, 138.5});
    EXPECT_EQ(target_->states("dragView:"),
              (States{Began, Changed, Changed, Changed, Changed, Ended}));
    EXPECT_EQ(note->center(), CGPointMake(200 + 96 - 150, 200 + 138.5 - 150));
}

TEST_F(GestureRecognizerTest, APanReportsTranslationAndVelocityInTheViewAskedFor) {
    auto note = addView(CGRectMake(100, 100, 200, 200));
    auto pan = attach<UIPanGestureRecognizer>(note, "handlePan:");
    auto rotated = addView(CGRectMake(0, 0, 100, 100));
    rotated->setTransform(CGAffineTransformMakeScale(2, -1));

    finger_.fingerDown({150, 150});
    advance(0.1);
    finger_.fingerMoved({170, 150});
    advance(0.5);
    finger_.fingerMoved({180, 160});
    EXPECT_EQ(pan->translationInView(note.get()), CGPointMake(30, 10));
    EXPECT_EQ(pan->translationInView(rotated.get()), CGPointMake(15, -10));
    EXPECT_EQ(pan->velocityInView(nullptr), CGPointMake(20, 20));
    EXPECT_EQ(pan->locationInView(note.get()), CGPointMake(80, 60));
    pan->setTranslation_inView({4, 2}, rotated.get());
    EXPECT_EQ(pan->translationInView(nullptr), CGPointMake(8, -2));
    finger_.fingerUp({180, 160});
}

TEST_F(GestureRecognizerTest, ATapAndAPanOnOneViewTellAStillFingerFromADrag) {
    auto view = addView(CGRectMake(0, 0, 320, 480));
    attach<UITapGestureRecognizer>(view, "handleTap:");
    attach<UIPanGestureRecognizer>(view, "handlePan:");

    tap({100, 100});
    finger_.fingerDown({100, 100});
    finger_.fingerMoved({106, 104});
    finger_.fingerUp({106, 104});
    EXPECT_EQ(target_->count("handleTap:"), 2);
    EXPECT_EQ(target_->count("handlePan:"), 0);

    drag({100, 100}, {100, 200});
    EXPECT_EQ(target_->count("handleTap:"), 2);
    EXPECT_EQ(target_->states("handlePan:").front(), Began);
    EXPECT_EQ(target_->states("handlePan:").back(), Ended);
}

TEST_F(GestureRecognizerTest, ARecognisedGestureTakesItsTouchesFromTheViewUnlessToldNotTo) {
    auto view = addView(CGRectMake(0, 0, 320, 480));
    auto tapRecognizer = attach<UITapGestureRecognizer>(view, "handleTap:");
    tap({100, 100});
    EXPECT_EQ(view->calls, (Calls{"began", "cancelled"}));

    view->calls.clear();
    tapRecognizer->setCancelsTouchesInView(false);
    tap({100, 100});
    EXPECT_EQ(view->calls, (Calls{"began", "ended"}));
    EXPECT_EQ(target_->count("handleTap:"), 2);

    view->calls.clear();
    attach<UIPanGestureRecognizer>(view, "handlePan:");
    drag({100, 100}, {100, 200}, 20);
    EXPECT_EQ(view->calls, (Calls{"began", "moved", "cancelled"}))
        << "moved while the pan was undecided, then lost";
}

TEST_F(GestureRecognizerTest, TheViewsTouchEndWaitsForARecogniserThatMayStillRecognise) {
    auto view = addView(CGRectMake(0, 0, 320, 480));
    auto doubleTap = attach<UITapGestureRecognizer>(view, "handleTap:");
    doubleTap->setNumberOfTapsRequired(2);

    tap({100, 100});
    EXPECT_EQ(view->calls, (Calls{"began"}));
    advance(0.5);
    EXPECT_EQ(view->calls, (Calls{"began", "ended"})) << "delivered once the second tap is late";

    view->calls.clear();
    tap({100, 100});
    advance(0.1);
    tap({100, 100});
    EXPECT_EQ(target_->count("handleTap:"), 1);
    EXPECT_EQ(view->calls, (Calls{"began", "began", "cancelled", "cancelled"}));

    view->calls.clear();
    doubleTap->setDelaysTouchesEnded(false);
    tap({100, 100});
    EXPECT_EQ(view->calls, (Calls{"began", "ended"}));
}

TEST_F(GestureRecognizerTest, ActionsGoThroughTheRuntimeToTargetsThatAreNotOwned) {
    auto hooked = std::make_shared<HookedTarget>();
    MSHookMessageEx(HookedTarget::classObject(), "handleTap:", hookedTap, &previousTap);
    auto view = addView(CGRectMake(0, 0, 320, 480));
    auto recognizer = std::make_shared<UITapGestureRecognizer>(hooked, "handleTap:");
    recognizer->addTarget_action(target_, "detectTap:");
    view->addGestureRecognizer(recognizer);

    tap({100, 100});
    EXPECT_EQ(hookedTaps, 1);
    EXPECT_EQ(hooked->count("handleTap:"), 1) << "the hook went on to the target's method";
    EXPECT_EQ(target_->count("detectTap:"), 1);

    recognizer->removeTarget_action(target_.get(), "detectTap:");
    std::weak_ptr<HookedTarget> weakTarget = hooked;
    hooked.reset();
    EXPECT_TRUE(weakTarget.expired());
    advance(1);
    tap({100, 100});
    EXPECT_EQ(hookedTaps, 1);
    EXPECT_EQ(target_->count("detectTap:"), 1);
}

TEST_F(GestureRecognizerTest, TheDelegateDecidesWhetherARecogniserBeginsSeesTouchesOrShares) {
    auto outer = addView(CGRectMake(0, 0, 320, 480));
    auto inner = addView(CGRectMake(50, 50, 200, 200), outer);
    auto tapRecognizer = attach<UITapGestureRecognizer>(inner, "handleTap:");
    auto delegate = std::make_shared<Delegate>();
    tapRecognizer->setDelegate(delegate);

    delegate->mayBegin = false;
    tap({100, 100});
    EXPECT_EQ(inner->calls, (Calls{"began", "ended"}));
    EXPECT_EQ(delegate->stateWhenAsked, UIGestureRecognizerStatePossible);
    delegate->mayBegin = true;
    delegate->receives = false;
    advance(1);
    tap({100, 100});
    EXPECT_EQ(target_->count("handleTap:"), 0);

    inner->removeGestureRecognizer(tapRecognizer);
    auto innerPan = attach<UIPanGestureRecognizer>(inner, "handlePan:");
    auto outerPan = attach<UIPanGestureRecognizer>(outer, "handleOuterPan:");
    drag({100, 100}, {150, 150});
    EXPECT_GT(target_->count("handlePan:"), 0) << "the deepest view's recogniser wins";
    EXPECT_EQ(target_->count("handleOuterPan:"), 0);

    outerPan->setDelegate(delegate);
    delegate->receives = true;
    delegate->simultaneous = true;
    drag({150, 150}, {100, 100});
    EXPECT_EQ(target_->states("handlePan:").back(), Ended);
    EXPECT_EQ(target_->states("handleOuterPan:").back(), Ended);
}

TEST_F(GestureRecognizerTest, RecognisersAndViewsThatGoAwayMidGestureAreLetGo) {
    auto view = addView(CGRectMake(0, 0, 320, 480));
    auto pan = attach<UIPanGestureRecognizer>(view, "handlePan:");
    finger_.fingerDown({100, 100});
    finger_.fingerMoved({100, 130});
    pan->setEnabled(false);
    EXPECT_EQ(target_->states("handlePan:"), (States{Began, Cancelled}));
    finger_.fingerMoved({100, 160});
    finger_.fingerUp({100, 160});
    EXPECT_EQ(target_->count("handlePan:"), 2);

    pan->setEnabled(true);
    finger_.fingerDown({100, 100});
    finger_.fingerMoved({100, 130});
    view->removeGestureRecognizer(pan);
    EXPECT_EQ(pan->view(), nullptr);
    EXPECT_EQ(pan->state(), UIGestureRecognizerStatePossible);
    finger_.fingerMoved({100, 160});
    finger_.fingerUp({100, 160});
    EXPECT_EQ(target_->count("handlePan:"), 3);

    std::weak_ptr<UIGestureRecognizer> held =
        attach<UILongPressGestureRecognizer>(view, "handleHold:");
    std::weak_ptr<UIView> weakView = view;
    finger_.fingerDown({100, 100});
    view->removeFromSuperview();
    view.reset();
    EXPECT_TRUE(weakView.expired());
    EXPECT_TRUE(held.expired()) << "the view kept its recogniser";
    advance(1);
    finger_.fingerMoved({100, 160});
    finger_.fingerUp({100, 160});
    EXPECT_EQ(target_->count("handleHold:"), 0);
}
