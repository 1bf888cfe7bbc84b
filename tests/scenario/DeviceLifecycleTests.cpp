// The device around the note: respring, lock and unlock, the dark screen, and the other lock-screen
// tweak the note makes room for. A respring starts the simulator's process again, so those tests
// run plakko-sim as a process of its own.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/SettingsKeys.h"
#include "platform/foundation/PropertyListFile.h"
#include "sim/SimulatorCommand.h"
#include "tests/scenario/LockScreenScenario.h"

namespace {

constexpr char kConverganceFile[] = "/var/mobile/Library/Preferences/com.convergance.plist";

class DeviceLifecycleTest : public LockScreenScenario {
protected:
    // The class of the view that holds the note in a tree dump.
    std::string noteContainer(const std::string& dump) const {
        const nlohmann::json document = tree(dump);
        const nlohmann::json* note = NoteInTree::note(document);
        if (note == nullptr) return "";
        std::string found;
        findParent(document["windows"], *note, found);
        return found;
    }

private:
    static void findParent(const nlohmann::json& views, const nlohmann::json& child,
                           std::string& parentClass) {
        for (const auto& view : views) {
            for (const auto& subview : view["subviews"]) {
                if (&subview == &child) parentClass = view["class"];
            }
            findParent(view["subviews"], child, parentClass);
        }
    }
};

double frameX(const nlohmann::json* view) {
    return view ? (*view)["frame"][0].get<double>() : -1;
}

TEST_F(DeviceLifecycleTest, RespringComesBackLockedWithTheSavedNoteAndNothingElseRemembered) {
    // On a screen taller than 800 points the hide button takes the frame the lock screen hands
    // it, whose offsets are the ones the last build read: none in a fresh SpringBoard.
    writePreferences({{Settings::Key::xoff, PlistValue::real(10)},
                      {Settings::Key::x, PlistValue::real(768)},
                      {Settings::Key::y, PlistValue::real(100)},
                      {Settings::Key::text, PlistValue::string("kept")}});
    const ProcessResult result = runProcess(
        "wait 0.5\n"
        "dump-tree " +
            output("first.json") +
            "\n"
            "unlock\nlock\nwait 0.5\n"
            "dump-tree " +
            output("second.json") +
            "\n"
            "tap 35 999\nwait 2\n"  // the hide button: the note fades away
            "respring\n"
            "wait 0.5\n"
            "dump-tree " +
            output("respring.json") + "\n",
        kIPadSystem7);
    ASSERT_EQ(result.status, 0) << result.err;

    EXPECT_EQ(frameX(NoteInTree::hideButton(tree("first.json"))), 768 + 20);
    EXPECT_EQ(frameX(NoteInTree::hideButton(tree("second.json"))), 768 + 20 + 10);
    const nlohmann::json after = tree("respring.json");
    EXPECT_NE(lastViewOfClass(after, "SBLockScreenView"), nullptr) << "comes up locked";
    EXPECT_EQ(frameX(NoteInTree::hideButton(after)), 768 + 20);
    ASSERT_NE(NoteInTree::textView(after), nullptr);
    EXPECT_EQ((*NoteInTree::textView(after))["text"], "kept");
    EXPECT_EQ((*NoteInTree::note(after))["alpha"], 0) << "still hidden";
    EXPECT_TRUE(preferences().at(Settings::Key::hidden).boolValue());
}

TEST_F(DeviceLifecycleTest, AScriptGoesOnAfterARespringWithItsOwnLineNumbers) {
    const ProcessResult result = runProcess("# a comment\nrespring\nwait 0.1\ntype lost\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("stdin:4: "), std::string::npos) << result.err;
}

TEST_F(DeviceLifecycleTest, ARespringCarriesAScriptOfAnyBytesAndLeavesNoResumeFile) {
    // Neither the script's text nor its file's name is UTF-8.
    const std::filesystem::path temporary = root_.path() / "tmp";
    const std::filesystem::path script = root_.path() / "caf\xe9.txt";
    std::filesystem::create_directories(temporary);
    std::ofstream(script) << "# \xff\xfe\nrespring\ndump-tree " << output("after.json") << "\n";
    const std::string command = "TMPDIR='" + temporary.string() + "' '" + PLAKKO_SIM +
                                "' --root '" + root_.path().string() + "' --script '" +
                                script.string() + "' > /dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(std::filesystem::exists(root_.path() / "after.json"));
    EXPECT_TRUE(std::filesystem::is_empty(temporary)) << "the resume file is gone";
}

// Files of the device that differ from the build's are replaced, however new they look.
TEST_F(DeviceLifecycleTest, JunkInPlaceOfTheTweakIsReplacedFromTheBuild) {
    for (const char* name : {"Plakko.dylib", "Plakko.plist"}) {
        const std::filesystem::path file =
            root_ / (std::string("/Library/MobileSubstrate/DynamicLibraries/") + name);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "junk";
        std::filesystem::last_write_time(
            file, std::filesystem::file_time_type::clock::now() + std::chrono::hours(24));
    }
    runScript("wait 0.5\ndump-tree " + output("tree.json") + "\n");
    EXPECT_NE(NoteInTree::note(tree("tree.json")), nullptr) << "the tweak is loaded";
}

TEST_F(DeviceLifecycleTest, ARespringNeedsTheSimulatorsOwnProcess) {
    std::istringstream in("respring\n");
    std::ostringstream out, err;
    EXPECT_EQ(runSimulator({"--root", root_.path().string(), "--script", "-"}, in, out, err), 1);
    EXPECT_NE(err.str().find("own process"), std::string::npos) << err.str();
}

TEST_F(DeviceLifecycleTest, TheFirstTouchOnADarkScreenOnlyWakesIt) {
    runScript(
        "wait 13\n"
        "screenshot " +
        output("dark.png") +
        "\n"
        "tap 100 200\nwait 0.5\n"
        "screenshot " +
        output("woken.png") +
        "\n"
        "dump-tree " +
        output("woken.json") +
        "\n"
        "tap 100 200\nwait 0.5\n"
        "dump-tree " +
        output("editing.json") + "\n");
    EXPECT_TRUE(pixelAt("dark.png", 160, 500).isNear({0, 0, 0}, 2));
    EXPECT_FALSE(pixelAt("woken.png", 160, 500).isNear({0, 0, 0}, 40));
    EXPECT_EQ(lastViewOfClass(tree("woken.json"), "UITextEffectsWindow"), nullptr);
    EXPECT_NE(lastViewOfClass(tree("editing.json"), "UITextEffectsWindow"), nullptr);
}

TEST_F(DeviceLifecycleTest, UnlockingTakesTheLockScreenAwayAndLockingBringsTheNoteBack) {
    runScript(
        "unlock\nwait 0.5\n"
        "dump-tree " +
            output("unlocked.json") +
            "\n"
            "lock\nwait 0.5\n"
            "dump-tree " +
            output("locked.json") + "\n",
        kIPhone4SSystem6);
    EXPECT_EQ(NoteInTree::note(tree("unlocked.json")), nullptr);
    EXPECT_EQ(noteContainer("locked.json"), "SBAwayView");
}

TEST_F(DeviceLifecycleTest,
       WithConverganceShowingItsLockScreenTheNoteGoesIntoItsAndPagingLeftUnlocks) {
    // Its lock screen pages like SpringBoard's: to the left screen to unlock.
    const std::string script = "wait 0.5\ndump-tree " + output("tree.json") +
                               "\ndrag 40 450 300 450 0.5\nwait 1\ndump-tree " +
                               output("unlocked.json") + "\n";
    // Installed from the start: loaded with SpringBoard.
    std::ofstream(root_.path() / "script.txt") << script;
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(runSimulator({"--root", root_.path().string(), "--convergance", "on", "--script",
                            (root_.path() / "script.txt").string()},
                           in, out, err),
              0)
        << err.str();
    EXPECT_EQ(noteContainer("tree.json"), "UIScrollView");
    EXPECT_EQ(lastViewOfClass(tree("unlocked.json"), "SBLockScreenView"), nullptr);
}

TEST_F(DeviceLifecycleTest, WithConverganceInstalledButNotShowingItsLockScreenTheNoteStaysHome) {
    ASSERT_TRUE(PropertyListFile::writeToFile({{"Enabled", PlistValue::boolean(false)}},
                                              kConverganceFile,
                                              PropertyListFile::Write::Atomically));
    const ProcessResult result = runProcess(
        "install-convergance on\nrespring\nwait 0.5\n"
        "dump-tree " +
        output("tree.json") + "\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(noteContainer("tree.json"), "SBLockScreenScrollView");
}

TEST_F(DeviceLifecycleTest, ConverganceInstalledWithoutARespringIsNotLoadedYet) {
    runScript(
        "install-convergance on\nunlock\nlock\nwait 0.5\n"
        "dump-tree " +
        output("tree.json") + "\n");
    EXPECT_EQ(noteContainer("tree.json"), "SBLockScreenScrollView");
}

}  // namespace
