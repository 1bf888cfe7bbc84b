#include <gtest/gtest.h>

#include <cmath>

#include "tests/ui/TouchTestSupport.h"

namespace {

using TouchDeliveryTest = TouchTest;
using Calls = std::vector<std::string>;

}  // namespace

TEST_F(TouchDeliveryTest, AFingerReachesTheFrontmostTouchableViewPastHiddenAndClearOnes) {
    auto back = addView(CGRectMake(0, 0, 320, 480));
    auto hidden = addView(CGRectMake(100, 100, 100, 100));
    hidden->setHidden(true);
    auto clear = addView(CGRectMake(100, 100, 100, 100));
    clear->setAlpha(0);
    auto overlay = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    overlay->setWindowLevel(UIWindowLevelAlert);
    auto alert = addView(CGRectMake(100, 100, 100, 100), overlay);
    overlay->makeKeyAndVisible();
    overlay->setHidden(true);

    tap({150, 160});
    EXPECT_EQ(back->calls, (Calls{"began", "ended"}));
    EXPECT_TRUE(hidden->calls.empty());
    EXPECT_TRUE(clear->calls.empty());
    EXPECT_EQ(back->lastTouch->view(), back);
    EXPECT_EQ(back->lastTouch->window(), window_);
    EXPECT_EQ(back->lastTouch->locationInView(clear.get()), CGPointMake(50, 60));

    overlay->setHidden(false);
    tap({150, 160});
    EXPECT_EQ(alert->calls, (Calls{"began", "ended"})) << "the window in front takes it";
    EXPECT_EQ(back->calls.size(), 2u);
    UIApplication::sharedApplication().removeWindow(overlay.get());
}

TEST_F(TouchDeliveryTest, TouchesAViewLeavesAloneGoUpTheResponderChain) {
    auto panel = addView(CGRectMake(50, 50, 200, 200));
    auto plain = std::make_shared<UIView>(CGRectMake(10, 10, 50, 50));
    panel->addSubview(plain);

    drag({70, 70}, {100, 70}, 3);
    EXPECT_EQ(panel->calls, (Calls{"began", "moved", "moved", "moved", "ended"}));
    EXPECT_EQ(panel->lastTouch->view(), plain) << "the touch stays with the view it hit";
    EXPECT_EQ(panel->lastTouch->phase(), UITouchPhaseEnded);
    EXPECT_EQ(panel->lastTouch->locationInView(plain.get()), CGPointMake(40, 10));
    EXPECT_EQ(panel->lastTouch->previousLocationInView(plain.get()), CGPointMake(40, 10));
}

TEST_F(TouchDeliveryTest, QuickTapsInOnePlaceCountUp) {
    auto view = addView(CGRectMake(0, 0, 320, 480));
    tap({100, 100});
    EXPECT_EQ(view->lastTouch->tapCount(), 1);
    advance(0.2);
    tap({104, 103});
    EXPECT_EQ(view->lastTouch->tapCount(), 2);
    advance(0.2);
    tap({100, 100});
    EXPECT_EQ(view->lastTouch->tapCount(), 3);
    advance(0.2);
    tap({140, 100});
    EXPECT_EQ(view->lastTouch->tapCount(), 1) << "too far from the first tap";
    advance(0.5);
    tap({140, 100});
    EXPECT_EQ(view->lastTouch->tapCount(), 1) << "too long after the last tap";
    advance(0.2);
    drag({140, 100}, {180, 100}, 2);
    advance(0.1);
    tap({180, 100});
    EXPECT_EQ(view->lastTouch->tapCount(), 1) << "a drag is no tap";
}

TEST_F(TouchDeliveryTest, StrayFingerEventsAreIgnoredAndLeftoverFingersCancelled) {
    auto view = addView(CGRectMake(0, 0, 320, 480));
    const double nan = std::nan("");
    finger_.fingerDown({nan, 10});
    finger_.fingerMoved({10, 10});
    finger_.fingerUp({10, 10});
    finger_.fingerDown({-50, 900});  // outside every window
    finger_.fingerMoved({10, 10});
    finger_.fingerUp({10, 10});
    EXPECT_TRUE(view->calls.empty());

    finger_.fingerDown({10, 10});
    finger_.fingerMoved({nan, 10});
    finger_.fingerMoved({10, 10});  // no movement, no event
    finger_.fingerDown({20, 20});   // the first touch never lifted
    EXPECT_EQ(view->calls, (Calls{"began", "cancelled", "began"}));
    {
        TouchDispatcher second;
        second.fingerDown({30, 30}, 1);
    }
    EXPECT_EQ(view->calls, (Calls{"began", "cancelled", "began", "began", "cancelled"}));
}
