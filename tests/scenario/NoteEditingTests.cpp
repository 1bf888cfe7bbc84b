// Typing into the note and ending the edit, where it differs from the four-inch system 7 phone:
// before 7 the note sits at (−3, 100) in the away view, so its keyboard button is at screen
// (4..24, 107..127) and its text at (2..272, 132..354).
#include "common/SettingsKeys.h"
#include "tests/scenario/LockScreenScenario.h"

namespace {

using nlohmann::json;

class NoteEditingTest : public LockScreenScenario {};

}  // namespace

TEST_F(NoteEditingTest, OnSystem6TheKeyboardButtonSavesTextVisibilityAndTheBuiltPosition) {
    runScript(
        "wait 0.5\ntap 100 250\ntype two\\nlines\nwait 0.6\n"
        "dump-tree " +
            output("editing.json") +
            "\n"
            "tap 14 117\nwait 0.6\n"
            "dump-tree " +
            output("done.json") + "\n",
        kIPhone4SSystem6);
    const json editing = tree("editing.json"), done = tree("done.json");
    const json* shownButton = NoteInTree::part(editing, "keyboard@2x.png");
    ASSERT_NE(shownButton, nullptr);
    EXPECT_EQ((*shownButton)["alpha"], 1);
    const json* hiddenButton = NoteInTree::part(done, "keyboard@2x.png");
    ASSERT_NE(hiddenButton, nullptr);
    EXPECT_EQ((*hiddenButton)["alpha"], 0);

    PlistDictionary saved = preferences();
    EXPECT_EQ(*saved[Settings::Key::text].asString(), "two\nlines");
    EXPECT_FALSE(saved[Settings::Key::hidden].boolValue());
    EXPECT_EQ(saved[Settings::Key::x].floatValue(), -3);
    EXPECT_EQ(saved[Settings::Key::y].floatValue(), 100);
}

TEST_F(NoteEditingTest, ErasingEverythingSavesAnEmptyText) {
    writePreferences({{Settings::Key::text, PlistValue::string("ab")},
                      {Settings::Key::x, PlistValue::float32(320)},
                      {Settings::Key::y, PlistValue::float32(100)}});
    runScript(
        "wait 0.5\ntap 100 250\nkey backspace\nkey backspace\nkey backspace\n"
        "tap 17 117\nwait 0.6\n");
    const PlistDictionary saved = preferences();
    ASSERT_TRUE(saved.contains(Settings::Key::text));
    EXPECT_EQ(*saved.at(Settings::Key::text).asString(), "");
}

// Unlocking while the note is being edited ends the edit before the lock screen leaves its window,
// so what was typed is saved by the text view it was typed into, before the next lock builds a
// new note.
class LeavingTheLockScreenTest : public LockScreenScenario {
protected:
    void typeThenLeave(DeviceProfileName device, float homeX, const std::string& tapIntoText,
                       const std::string& leave) {
        writePreferences({{Settings::Key::text, PlistValue::string("older")},
                          {Settings::Key::x, PlistValue::float32(homeX)},
                          {Settings::Key::y, PlistValue::float32(100)}});
        runScript("wait 0.5\n" + tapIntoText + "\ntype \" milk eggs\"\n" + leave +
                      "\nwait 1\nlock\nwait 1\n",
                  device);
        EXPECT_EQ(*preferences()[Settings::Key::text].asString(), "older milk eggs");
    }
};

TEST_F(LeavingTheLockScreenTest, SlidingToUnlockOnSystem7SavesTheTypedText) {
    typeThenLeave(kIPhone5System7, 320, "tap 100 200", "drag 30 60 310 60 0.3 10");
}

TEST_F(LeavingTheLockScreenTest, UnlockingOnSystem7SavesTheTypedText) {
    typeThenLeave(kIPhone5System7, 320, "tap 100 200", "unlock");
}

TEST_F(LeavingTheLockScreenTest, UnlockingOnSystem6SavesTheTypedText) {
    typeThenLeave(kIPhone4SSystem6, -3, "tap 100 250", "unlock");
}
