// However a run of the device ends (its script's end, a script error, a signal, Escape or the
// window closing), what the note wrote in its last moment reaches the preference file: writes
// land at the end of the run loop's turn, and every way out finishes that turn first.
#include <SDL.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "common/SettingsKeys.h"
#include "sim/SimulatorCommand.h"
#include "tests/scenario/LockScreenScenario.h"
#include "tests/scenario/WindowPerson.h"
#include "tests/sim/XvfbDisplay.h"

namespace {

// Into the note's text, then the keyboard button that ends the editing (a fresh device's note).
constexpr char kTypeAndDismiss[] = "tap 100 200\ntype important text\ntap 17 117\n";
// The hide button of a fresh device's note.
constexpr char kHide[] = "tap 20 548\n";
constexpr char kDrag[] = "drag 150 380 160 300\n";

using namespace WindowPerson;

class RunEndingTest : public LockScreenScenario {
protected:
    std::string savedText() const {
        const PlistDictionary saved = preferences();
        const auto text = saved.find(Settings::Key::text);
        return text != saved.end() && text->second.asString() ? *text->second.asString() : "";
    }

    double savedY() const {
        const PlistDictionary saved = preferences();
        const auto y = saved.find(Settings::Key::y);
        return y != saved.end() ? y->second.doubleValue() : -1;
    }
};

TEST_F(RunEndingTest, TheLastLinesWritesReachTheFileWhenTheScriptEnds) {
    runScript(kTypeAndDismiss);
    EXPECT_EQ(savedText(), "important text");
}

TEST_F(RunEndingTest, AHideAsTheLastLineIsSaved) {
    runScript(kHide);
    EXPECT_TRUE(preferences().at(Settings::Key::hidden).boolValue());
}

TEST_F(RunEndingTest, AScriptErrorAfterAnEditKeepsTheEdit) {
    std::ofstream(root_.path() / "script.txt") << kTypeAndDismiss << "type nothing is edited\n";
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(runSimulator({"--root", root_.path().string(), "--script",
                            (root_.path() / "script.txt").string()},
                           in, out, err),
              1);
    EXPECT_NE(err.str().find(":4: nothing is being edited"), std::string::npos) << err.str();
    EXPECT_EQ(savedText(), "important text");
}

TEST_F(RunEndingTest, AFinalDragSavesThePlaceTheNoteIsDrawnAt) {
    // The same drag twice, on virtual time: once as the last line, once followed by a tree dump
    // (which finishes the turn itself).
    ASSERT_EQ(runProcess(kDrag).status, 0);
    const double lastLine = savedY();
    std::filesystem::remove(root_ / Settings::kFile);
    ASSERT_EQ(runProcess(std::string(kDrag) + "dump-tree " + output("tree.json") + "\n").status, 0);
    const nlohmann::json dump = tree("tree.json");
    const nlohmann::json* note = NoteInTree::note(dump);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(lastLine, (*note)["frame"][1].get<double>());
    EXPECT_EQ(savedY(), lastLine);
}

// A person's script on standard input, line by line, and SIGTERM while it waits for more.
TEST_F(RunEndingTest, ASignalWhileTheScriptWaitsForInputKeepsTheEdit) {
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(input[0], STDIN_FILENO);
        close(input[1]);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDERR_FILENO);
        execl(PLAKKO_SIM, PLAKKO_SIM, "--root", root_.path().c_str(), "--script", "-", nullptr);
        _exit(127);
    }
    close(input[0]);
    const std::string marker = (root_.path() / "marker.json").string();
    const std::string lines = std::string(kTypeAndDismiss) + "dump-tree " + marker + "\n";
    ASSERT_EQ(write(input[1], lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
    // The lines run as they come: the dump appears while the input is still open.
    EXPECT_TRUE(waitFor([&] { return std::filesystem::exists(marker); }, std::chrono::seconds(60)));
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    close(input[1]);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
    EXPECT_EQ(savedText(), "important text");
}

// The window's person types into the note, taps its keyboard button and quits at once, in the
// same frame, with Escape or by closing the window.
void editAndQuit(const std::filesystem::path& preferenceFile, const SDL_Event& quit) {
    // The first boot's defaults are written once SpringBoard has loaded the note.
    if (!waitFor([&] { return std::filesystem::exists(preferenceFile); }, std::chrono::seconds(60)))
        std::_Exit(3);
    letTheWindowCatchUp();
    pushTap(100, 200);
    pushText("important text");
    letTheWindowCatchUp();
    pushMouse(SDL_MOUSEBUTTONDOWN, 17, 117);
    letTheWindowCatchUp();
    pushMouse(SDL_MOUSEBUTTONUP, 17, 117);
    SDL_Event copy = quit;
    SDL_PushEvent(&copy);
}

// SDL's X11 layers keep allocations a sanitizer's leak check would report: the window runs in a
// child process that ends without that check.
TEST_F(RunEndingTest, QuittingTheWindowRightAfterAnEditKeepsTheEdit) {
    XvfbDisplay display;
    if (!display.problem().empty()) GTEST_SKIP() << display.problem();
    SDL_Event escape{};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    SDL_Event close{};
    close.type = SDL_QUIT;
    for (const SDL_Event& quit : {escape, close}) {
        std::filesystem::remove(root_ / Settings::kFile);
        const std::filesystem::path file = root_ / Settings::kFile;
        const auto runWindow = [&] {
            XvfbDisplay::limitWindowRun();
            std::thread(editAndQuit, file, quit).detach();
            std::istringstream in;
            std::ostringstream out, err;
            const std::vector<std::string> arguments{"--root", root_.path().string()};
            std::_Exit(runSimulator(arguments, in, out, err));
        };
        EXPECT_EXIT(runWindow(), testing::ExitedWithCode(0), "");
        EXPECT_EQ(savedText(), "important text") << (quit.type == SDL_QUIT ? "closed" : "Escape");
    }
}

}  // namespace
