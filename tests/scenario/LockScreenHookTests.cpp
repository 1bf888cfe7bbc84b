// How the note lives with SpringBoard's own lock-screen gestures, rotation and relocking. On an
// iPhone 5 on system 7 the note covers screen (0..275, 100..400); the clock's top half, at
// (0..320, 30..98), is the lock screen's own content and bounces when the lock screen is tapped.
#include "common/SettingsKeys.h"
#include "tests/scenario/LockScreenScenario.h"

namespace {

using nlohmann::json;

constexpr double kClockX = 0, kClockY = 30, kClockWidth = 320, kClockHeight = 68;
// Fewer differing pixels than this: the clock has not moved.
constexpr size_t kStill = 50;

class LockScreenHookTest : public LockScreenScenario {
protected:
    size_t clockMovedBetween(const std::string& shot, const std::string& other) const {
        return differingPixels(shot, other, kClockX, kClockY, kClockWidth, kClockHeight);
    }

    static bool showsAHint(const json& dump) {
        const std::string text = dump.dump();
        return text.find("Slide right to unlock") != std::string::npos ||
               text.find("Swipe up") != std::string::npos;
    }
};

json frameOf(const json* view) {
    return view ? (*view)["frame"] : json();
}

}  // namespace

TEST_F(LockScreenHookTest, ATapOnTheLockScreenWhileEditingOnlyClosesTheKeyboard) {
    runScript(
        "wait 0.5\ntap 100 250\ntype abc\nwait 0.6\n"
        "screenshot " +
        output("editing.png") +
        "\n"
        "tap 300 60\n"
        "screenshot " +
        output("tapped.png") +
        "\n"
        "wait 0.7\ndump-tree " +
        output("closed.json") + "\n");
    EXPECT_LT(clockMovedBetween("editing.png", "tapped.png"), kStill) << "no bounce";
    const PlistDictionary saved = preferences();
    ASSERT_TRUE(saved.contains(Settings::Key::text)) << "editing ended and saved the note";
    EXPECT_EQ(*saved.at(Settings::Key::text).asString(), "abc");
    const json closed = tree("closed.json");
    const json* keyboardButton = NoteInTree::part(closed, "keyboard@2x.png");
    ASSERT_NE(keyboardButton, nullptr);
    EXPECT_EQ((*keyboardButton)["alpha"], 0);
    EXPECT_FALSE(showsAHint(closed));
}

TEST_F(LockScreenHookTest, ATapWhenNotEditingBouncesTheLockScreenWithoutAHint) {
    runScript("wait 0.5\nscreenshot " + output("rest.png") + "\ntap 300 60\nscreenshot " +
              output("tapped.png") + "\nwait 1.2\nscreenshot " + output("settled.png") +
              "\ndump-tree " + output("settled.json") + "\n");
    EXPECT_GT(clockMovedBetween("rest.png", "tapped.png"), 20 * kStill) << "the clock bounced";
    EXPECT_LT(clockMovedBetween("rest.png", "settled.png"), kStill);
    EXPECT_FALSE(showsAHint(tree("settled.json")));
}

TEST_F(LockScreenHookTest, HintsNeverShowAndRotationWorksWithTheTweakDisabled) {
    writePreferences({{Settings::Key::enabled, PlistValue::boolean(false)}});
    runScript(
        "wait 0.5\npress 300 60 1\ntap 300 60\nwait 0.1\n"
        "dump-tree " +
        output("pressed.json") +
        "\n"
        "rotate landscape-left\nwait 0.6\n"
        "dump-tree " +
        output("turned.json") + "\n");
    const json pressed = tree("pressed.json");
    EXPECT_FALSE(showsAHint(pressed));
    EXPECT_EQ(NoteInTree::note(pressed), nullptr) << "never built while disabled";
    const json turned = tree("turned.json");
    EXPECT_EQ(NoteInTree::hideButton(turned), nullptr);
    EXPECT_EQ(frameOf(lastViewOfClass(turned, "SBLockScreenScrollView")), (json{0, 0, 568, 320}))
        << "the rotation reached the lock screen before any note was built";
}

TEST_F(LockScreenHookTest, RotationPlacesTheHideButtonFromTheTurnedLockScreen) {
    writePreferences({{Settings::Key::xoff, PlistValue::float32(10)},
                      {Settings::Key::yoff, PlistValue::float32(20)}});
    runScript("wait 0.5\ndump-tree " + output("portrait.json") +
              "\nrotate landscape-left\nwait 0.6\ndump-tree " + output("landscape.json") +
              "\nrotate portrait\nwait 0.6\ndump-tree " + output("back.json") + "\n");
    EXPECT_EQ(frameOf(NoteInTree::hideButton(tree("portrait.json"))), (json{335, 513, 30, 30}));
    EXPECT_EQ(frameOf(NoteInTree::hideButton(tree("landscape.json"))), (json{598, 260, 30, 30}))
        << "W + 20 + xoff, H - 40 - yoff of the landscape scroll view";
    EXPECT_EQ(frameOf(NoteInTree::hideButton(tree("back.json"))), (json{350, 508, 30, 30}))
        << "the screen's width and height in portrait";
}
