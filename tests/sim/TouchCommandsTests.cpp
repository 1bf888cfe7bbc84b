#include <gtest/gtest.h>

#include <SDL.h>

#include <sstream>

#include "platform/foundation/NSNotificationCenter.h"
#include "platform/ui/touches/UILongPressGestureRecognizer.h"
#include "platform/ui/touches/UITapGestureRecognizer.h"
#include "sim/DeviceRotation.h"
#include "sim/DeviceScreen.h"
#include "sim/ScreenPlacement.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"
#include "sim/ScriptRunner.h"
#include "sim/WindowInput.h"
#include "tests/ui/TouchTestSupport.h"

namespace {

using States = std::vector<UIGestureRecognizerState>;

// A screen of views that answer fingers: a button with a tap, a button with a tap and a long
// press after a tap, a view with a long press and a draggable note.
class FingerInputTest : public TouchTest {
protected:
    FingerInputTest() {
        attach<UITapGestureRecognizer>(addView(CGRectMake(20, 20, 40, 40)), "handleTap:");
        auto hideButton = addView(CGRectMake(20, 400, 30, 30));
        attach<UITapGestureRecognizer>(hideButton, "detectTap:");
        auto hold = attach<UILongPressGestureRecognizer>(hideButton, "handleHold:");
        hold->setNumberOfTapsRequired(1);
        hold->setMinimumPressDuration(0.05);
        addView(CGRectMake(200, 60, 100, 100))
            ->addGestureRecognizer(
                std::make_shared<UILongPressGestureRecognizer>(presses_, "handleHold:"));
        attach<UIPanGestureRecognizer>(note_, "dragView:");
    }
    ~FingerInputTest() override { rotateDevice(UIDeviceOrientationPortrait); }

    void runLines(const std::string& script) {
        std::istringstream in(script);
        runScript(in, "test", commands_, context_);
    }

    std::shared_ptr<GestureTarget> presses_ = std::make_shared<GestureTarget>();
    std::shared_ptr<RecordingView> note_ = addView(CGRectMake(100, 200, 150, 150));
    DeviceScreen screen_;
    ScriptCommandTable commands_ = scriptCommands();
    ScriptContext context_{screen_, {}};
};

SDL_Event mouseButton(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event mouseMotion(Uint32 buttons, int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.state = buttons;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event keyDown(SDL_Keycode key, Uint16 modifiers, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    event.key.repeat = repeat;
    return event;
}

}  // namespace

TEST_F(FingerInputTest, ScriptsTapPressAndDragTheViewsUnderTheirPoints) {
    int rotations = 0;
    const auto observation = NSNotificationCenter::defaultCenter().addObserverForName(
        UIDeviceOrientationDidChangeNotification, nullptr, [&](auto&) { ++rotations; });

    runLines(
        "tap 40 40\n"
        "press 250 110 0.6  # long enough for a long press\n"
        "press 35 415 0.6   # no tap before it: the hide button's tap, not its hold\n"
        "wait 1\n"
        "tap-press 35 415 0.2\n"
        "drag 120 220 180 170\n"
        "tap -100 -100      # nothing there\n"
        "rotate landscape-left\n");

    EXPECT_EQ(target_->count("handleTap:"), 1);
    EXPECT_EQ(presses_->states("handleHold:"),
              (States{UIGestureRecognizerStateBegan, UIGestureRecognizerStateEnded}));
    EXPECT_EQ(target_->count("detectTap:"), 2) << "the press, and the tap of the tap-press";
    EXPECT_EQ(target_->states("handleHold:"),
              (States{UIGestureRecognizerStateBegan, UIGestureRecognizerStateEnded}));
    // Steps of (6, -5): the pan begins at the second, 15.6 points out, and the note has followed
    // the finger's whole way.
    EXPECT_NEAR(note_->center().x, 175 + 60, 1e-9);
    EXPECT_NEAR(note_->center().y, 275 - 50, 1e-9);
    EXPECT_EQ(UIDevice::currentDevice().orientation(), UIDeviceOrientationLandscapeLeft);
    EXPECT_EQ(UIApplication::sharedApplication().statusBarOrientation(),
              UIInterfaceOrientationLandscapeRight);
    EXPECT_EQ(rotations, 1);
}

TEST_F(FingerInputTest, AFingerLeftDownByTouchDownMovesAndLiftsOnlyWhenTheScriptSays) {
    runLines("touch-down 120 220\ntouch-move 180 170\nwait 0.5\n");
    EXPECT_NEAR(note_->center().x, 175 + 60, 1e-9) << "dragged while the finger is down";
    EXPECT_EQ(target_->states("dragView:").back(), UIGestureRecognizerStateChanged);
    runLines("touch-move 180 200 0.1 2\ntouch-up\n");
    EXPECT_NEAR(note_->center().y, 275 - 20, 1e-9);
    EXPECT_EQ(target_->states("dragView:").back(), UIGestureRecognizerStateEnded);

    // As the window's finger may: lifted a little way on, or taken away with the focus.
    runLines("touch-down 240 270\ntouch-up 250 272\n");
    EXPECT_EQ(note_->calls.back(), "ended");
    EXPECT_EQ(note_->lastTouch->locationInView(nullptr), CGPointMake(250, 272));
    runLines("touch-down 40 40\ntouch-cancel\n");
    EXPECT_EQ(target_->count("handleTap:"), 0) << "no tap from a cancelled finger";
}

TEST_F(FingerInputTest, ScriptsRefuseGesturesThatMakeNoSense) {
    const std::pair<std::string, std::string> cases[] = {
        {"press 10 10 -1", "test:1: a finger's gesture takes 0 to 60 seconds, not -1"},
        {"drag 0 0 10 10 0.3 2.5",
         "test:1: a drag takes a whole number of 1 to 10000 steps, not 2.5"},
        {"touch-up", "test:1: touch-up: no finger is down (touch-down first)"},
        {"touch-move 10 10", "test:1: touch-move: no finger is down (touch-down first)"},
        {"touch-cancel", "test:1: touch-cancel: no finger is down (touch-down first)"},
        {"touch-up 10", "test:1: touch-up takes no point or both X and Y"},
        {"rotate sideways",
         "test:1: \"sideways\" is no orientation: portrait, upside-down, "
         "landscape-left or landscape-right"},
    };
    for (const auto& [script, error] : cases) {
        try {
            runLines(script);
            ADD_FAILURE() << script;
        } catch (const ScriptError& thrown) {
            EXPECT_EQ(thrown.what(), error);
        }
    }
}

TEST_F(FingerInputTest, TheWindowsMouseIsAFingerAndCtrlArrowsTurnTheDevice) {
    WindowInput input;
    // One window pixel per point, as in the point zoom.
    const auto handleEvent = [&](const SDL_Event& event) {
        return input.handleEvent(event, ScreenPlacement({320, 568}, 320, 568));
    };
    EXPECT_TRUE(handleEvent(mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 120, 220)));
    for (int step = 1; step <= 4; ++step) {
        advance(0.02);
        handleEvent(mouseMotion(SDL_BUTTON_LMASK, 120 + 10 * step, 220));
    }
    handleEvent(mouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 160, 220));
    EXPECT_EQ(note_->center(), CGPointMake(175 + 40, 275)) << "the whole 40 points, as the finger";

    handleEvent(mouseMotion(0, 120, 300));  // no button down: no finger
    handleEvent(mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 40, 40));
    handleEvent(mouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 40, 40));
    EXPECT_EQ(note_->center(), CGPointMake(215, 275));
    EXPECT_EQ(target_->count("handleTap:"), 0);

    handleEvent(mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 40, 40));
    SDL_Event focusLost{};
    focusLost.type = SDL_WINDOWEVENT;
    focusLost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    EXPECT_FALSE(handleEvent(focusLost)) << "the window redraws too";
    handleEvent(mouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 40, 40));
    EXPECT_EQ(target_->count("handleTap:"), 0) << "the finger was let go with the focus";

    EXPECT_FALSE(handleEvent(keyDown(SDLK_RIGHT, KMOD_NONE))) << "left for text editing";
    EXPECT_TRUE(handleEvent(keyDown(SDLK_RIGHT, KMOD_LCTRL)));
    EXPECT_EQ(UIDevice::currentDevice().orientation(), UIDeviceOrientationLandscapeRight);
    EXPECT_TRUE(handleEvent(keyDown(SDLK_RIGHT, KMOD_RCTRL, 1)));
    EXPECT_EQ(UIDevice::currentDevice().orientation(), UIDeviceOrientationLandscapeRight)
        << "a held key turns once";
    handleEvent(keyDown(SDLK_LEFT, KMOD_LCTRL));
    handleEvent(keyDown(SDLK_LEFT, KMOD_LCTRL));
    EXPECT_EQ(UIDevice::currentDevice().orientation(), UIDeviceOrientationLandscapeLeft);
    EXPECT_EQ(UIApplication::sharedApplication().statusBarOrientation(),
              UIInterfaceOrientationLandscapeRight);
}
