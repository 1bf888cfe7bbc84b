// Where the note and its hide button are built on each kind of device and system, read from the
// simulator's view-tree dump. Frames are in the container's coordinates (the lock screen's
// scroll view from system 7 on, the lock view before), the note's parts in the note's.
#include "common/SettingsKeys.h"
#include "tests/scenario/LockScreenScenario.h"

namespace {

using nlohmann::json;

class NoteGeometryTest : public LockScreenScenario {
protected:
    // Boots `device`, lets the lock screen settle and dumps its tree.
    json settledTree(DeviceProfileName device) {
        runScript("wait 0.5\ndump-tree " + output("tree.json") + "\n", device);
        return tree("tree.json");
    }
};

json frameOf(const json* view) {
    return view ? (*view)["frame"] : json();
}

}  // namespace

TEST_F(NoteGeometryTest, ThreeAndAHalfInchPhoneOnSystem7PlacesTheButtonFromTheBottom) {
    const json dump = settledTree(kIPhone4SSystem7);
    EXPECT_EQ(frameOf(NoteInTree::note(dump)), (json{320, 100, 275, 300}));
    EXPECT_EQ(frameOf(NoteInTree::hideButton(dump)), (json{325, 445, 30, 30}));
    EXPECT_EQ(frameOf(NoteInTree::textView(dump)), (json{5, 32, 270, 222}));
}

TEST_F(NoteGeometryTest, OffsetsMoveTheSystem7ButtonAtTheFirstBuild) {
    writePreferences({{Settings::Key::xoff, PlistValue::float32(10)},
                      {Settings::Key::yoff, PlistValue::float32(20)},
                      {Settings::Key::sizeiPhone, PlistValue::boolean(true)}});
    const json dump = settledTree(kIPhone4SSystem7);
    EXPECT_EQ(frameOf(NoteInTree::hideButton(dump)), (json{335, 425, 30, 30}));
    EXPECT_EQ(frameOf(NoteInTree::note(dump)), (json{320, 100, 225, 250}))
        << "the smaller note on a phone";
    EXPECT_EQ(frameOf(NoteInTree::textView(dump)), (json{5, 32, 220, 172}));
    EXPECT_EQ(frameOf(NoteInTree::part(dump, "delete@2x.png")), (json{200, 7, 20, 20}));
    EXPECT_EQ(frameOf(NoteInTree::part(dump, "export@2x.png")), (json{0, 215, 40, 40}));
}

TEST_F(NoteGeometryTest, System6PutsTheNoteAndButtonOnTheLeftOfTheAwayView) {
    writePreferences({{Settings::Key::xoff, PlistValue::float32(10)},
                      {Settings::Key::yoff, PlistValue::float32(20)},
                      {Settings::Key::text, PlistValue::string("kept")}});
    const json dump = settledTree(kIPhone4SSystem6);
    const json* note = NoteInTree::note(dump);
    ASSERT_NE(note, nullptr) << "built when the away view has finished animating in";
    EXPECT_EQ((*note)["frame"], (json{-3, 100, 275, 300}));
    EXPECT_EQ(frameOf(NoteInTree::hideButton(dump)), (json{15, 325, 30, 30}));
    ASSERT_NE(NoteInTree::textView(dump), nullptr);
    EXPECT_EQ((*NoteInTree::textView(dump))["text"], "")
        << "without a saved \"Y\" the saved text is not restored";
}

TEST_F(NoteGeometryTest, System6RestoresASavedPositionAndText) {
    writePreferences({{Settings::Key::x, PlistValue::float32(40)},
                      {Settings::Key::y, PlistValue::float32(-60)},
                      {Settings::Key::text, PlistValue::string("kept")}});
    const json dump = settledTree(kIPhone4SSystem6);
    EXPECT_EQ(frameOf(NoteInTree::note(dump)), (json{40, -60, 275, 300}));
    ASSERT_NE(NoteInTree::textView(dump), nullptr);
    EXPECT_EQ((*NoteInTree::textView(dump))["text"], "kept");
}

TEST_F(NoteGeometryTest, TabletTakesTheHooksButtonFrameAndTheChosenNoteSize) {
    writePreferences({{Settings::Key::sizeiPhone, PlistValue::boolean(true)}});
    const json small = settledTree(kIPadSystem7);
    EXPECT_EQ(frameOf(NoteInTree::note(small)), (json{768, 100, 225, 250}))
        << "the width is below 800, so the phone size applies";
    EXPECT_EQ(frameOf(NoteInTree::hideButton(small)), (json{788, 984, 30, 30}))
        << "the lock screen's frame: W + 20, H - 40";
}

TEST_F(NoteGeometryTest, TabletWithoutThePhoneSizeBuildsTheLargeNote) {
    writePreferences({{Settings::Key::sizeiPhone, PlistValue::boolean(false)}});
    const json dump = settledTree(kIPadSystem7);
    EXPECT_EQ(frameOf(NoteInTree::note(dump)), (json{768, 100, 275, 300}));
    EXPECT_EQ(frameOf(NoteInTree::hideButton(dump)), (json{788, 984, 30, 30}));
}

// Before 7 the tablet's button frame comes from the away view's hook: from the screen in portrait,
// from the away view's own frame, 140 points above its bottom, in landscape.
TEST_F(NoteGeometryTest, System6TabletPlacesTheButtonHigherWhenLockedInLandscape) {
    runScript("wait 0.5\ndump-tree " + output("portrait.json") +
                  "\nunlock\nrotate landscape-left\nlock\nwait 0.5\ndump-tree " +
                  output("landscape.json") + "\n",
              kIPadSystem6);
    const json portrait = tree("portrait.json"), landscape = tree("landscape.json");
    EXPECT_EQ(frameOf(NoteInTree::note(portrait)), (json{-3, 100, 275, 300}));
    EXPECT_EQ(frameOf(NoteInTree::hideButton(portrait)), (json{788, 984, 30, 30}));
    const json awayView = frameOf(lastViewOfClass(landscape, "SBAwayView"));
    ASSERT_TRUE(awayView.is_array());
    EXPECT_EQ(frameOf(NoteInTree::hideButton(landscape)),
              (json{awayView[2].get<double>() + 20, awayView[3].get<double>() - 140, 30, 30}));
}

// The lock screen is laid out for the orientation it is made in before the hook reads its
// scroll view's frame.
TEST_F(NoteGeometryTest, System7TabletLockedInLandscapePlacesTheButtonOnTheLandscapeScreen) {
    runScript("rotate landscape-left\nunlock\nlock\nwait 0.5\ndump-tree " +
                  output("landscape.json") + "\n",
              kIPadSystem7);
    EXPECT_EQ(frameOf(NoteInTree::hideButton(tree("landscape.json"))),
              (json{1024 + 20, 768 - 40, 30, 30}));
}
