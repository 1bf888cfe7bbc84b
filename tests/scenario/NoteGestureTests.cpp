// What the user's fingers do to the note on an iPhone 5 lock screen on system 7: the note sits at
// screen (0..275, 100..400), its delete button at (250..270, 107..127), the hide button at
// (5..35, 533..563).
#include "common/SettingsKeys.h"
#include "tests/scenario/LockScreenScenario.h"

namespace {

using nlohmann::json;

class NoteGestureTest : public LockScreenScenario {
protected:
    json noteFrame(const std::string& dump) {
        const json document = tree(dump);
        const json* note = NoteInTree::note(document);
        return note ? (*note)["frame"] : json();
    }
    float saved(const char* key) {
        const PlistDictionary settings = preferences();
        auto it = settings.find(key);
        return it != settings.end() ? it->second.floatValue() : -1e9f;
    }
};

}  // namespace

// The pan begins once the finger has moved past its hysteresis, but counts from where the finger
// came down, so the note follows the finger exactly: with long steps (the first three drags) and
// with steps shorter than the hysteresis (the last). The drags start below the text view.
TEST_F(NoteGestureTest, DragsFollowTheFingerExactlyAndEachSavesTheTextAndOrigin) {
    runScript(
        "wait 0.5\n"
        "tap 100 250\n"
        "type shopping\n"
        "tap 17 117\n"
        "drag 140 380 188 316 0.4 4\n"
        "wait 0.1\n"
        "dump-tree " +
        output("first.json") +
        "\n"
        "drag 200 330 160 360 0.4 4\n"
        "drag 200 350 200 390 0.2 2\n"
        "wait 0.1\n"
        "dump-tree " +
        output("long.json") +
        "\n"
        "drag 150 390 160 370 0.3 10\n"
        "wait 0.1\n"
        "dump-tree " +
        output("short.json") + "\n");
    EXPECT_EQ(noteFrame("first.json"), (json{320 + 48, 100 - 64, 275, 300}));
    EXPECT_EQ(noteFrame("long.json"), (json{368 - 40, 36 + 30 + 40, 275, 300}));
    EXPECT_EQ(noteFrame("short.json"), (json{328 + 10, 106 - 20, 275, 300}));
    EXPECT_EQ(saved(Settings::Key::x), 338);
    EXPECT_EQ(saved(Settings::Key::y), 86);
    EXPECT_EQ(*preferences()[Settings::Key::text].asString(), "shopping");
}

// The tap of a tap-and-hold is also the hide button's tap: the note hides, then the hold shows it
// again and brings it home.
TEST_F(NoteGestureTest, ADragFarOffTheScreenStaysThereUntilAHoldBringsTheNoteHome) {
    writePreferences({{Settings::Key::sizeiPhone, PlistValue::boolean(true)}});
    runScript(
        "wait 0.5\n"
        "drag 200 340 0 0 0.5 10\n"
        "wait 0.1\n"
        "dump-tree " +
        output("away.json") +
        "\n"
        "tap-press 20 548 0.3\n"
        "wait 0.8\n"
        "dump-tree " +
        output("home.json") + "\n");
    EXPECT_EQ(noteFrame("away.json"), (json{320 - 200, 100 - 340, 225, 250})) << "no clamping";
    EXPECT_EQ(noteFrame("home.json"), (json{320, 100, 225, 250}));
    EXPECT_EQ(saved(Settings::Key::x), 120) << "the hold writes no position";
    EXPECT_EQ(saved(Settings::Key::y), -240);
    EXPECT_FALSE(preferences()[Settings::Key::hidden].boolValue());
}

TEST_F(NoteGestureTest, TheDeleteButtonFadesTheTextOutAndClearsIt) {
    writePreferences({{Settings::Key::text, PlistValue::string("old list")},
                      {Settings::Key::y, PlistValue::float32(100)},
                      {Settings::Key::x, PlistValue::float32(320)}});
    runScript(
        "wait 0.5\n"
        "tap 260 117\n"
        "wait 0.1\n"
        "dump-tree " +
        output("fading.json") +
        "\n"
        "wait 0.6\n"
        "dump-tree " +
        output("cleared.json") + "\n");
    const json fadingTree = tree("fading.json"), clearedTree = tree("cleared.json");
    const json* fading = NoteInTree::textView(fadingTree);
    ASSERT_NE(fading, nullptr);
    EXPECT_EQ((*fading)["alpha"], 0);
    EXPECT_EQ((*fading)["text"], "old list") << "cleared only when the fade has finished";
    const json* cleared = NoteInTree::textView(clearedTree);
    ASSERT_NE(cleared, nullptr);
    EXPECT_EQ((*cleared)["alpha"], 1);
    EXPECT_EQ((*cleared)["text"], "");
    EXPECT_EQ(*preferences()[Settings::Key::text].asString(), "");
    EXPECT_EQ(saved(Settings::Key::x), 320) << "the position is not touched";
}

// With a password set, the tap of the tap-and-hold hides the visible note and the hold shows it
// again at once: showing by the hold never asks for the password.
TEST_F(NoteGestureTest, AHoldShowsAHiddenNoteWithoutAskingForItsPassword) {
    writePreferences({{Settings::Key::passEnabled, PlistValue::boolean(true)},
                      {Settings::Key::pass, PlistValue::string("c2VzYW1l")},
                      {Settings::Key::alpha, PlistValue::float32(0.8f)},
                      {Settings::Key::animation, PlistValue::float32(1)},
                      {Settings::Key::duration, PlistValue::float32(2)}});
    runScript(
        "wait 0.5\n"
        "drag 100 380 60 300 0.3 4\n"
        "tap-press 20 548 0.3\n"
        "wait 0.8\n"
        "dump-tree " +
        output("shown.json") + "\n");
    const json shownTree = tree("shown.json");
    const json* shown = NoteInTree::note(shownTree);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ((*shown)["alpha"], 0.8) << "at its own opacity";
    EXPECT_EQ((*shown)["frame"], (json{320, 100, 275, 300}));
    EXPECT_EQ(lastViewOfClass(shownTree, "UIAlertView"), nullptr) << "no password asked";
    EXPECT_FALSE(preferences()[Settings::Key::hidden].boolValue());
}
