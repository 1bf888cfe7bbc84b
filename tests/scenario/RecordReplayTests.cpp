// A person's run in the window, recorded with --record, replayed headless: the replay ends with
// the same note, saved the same, as the run it was recorded from; a respring included.
#include <SDL.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "common/SettingsKeys.h"
#include "sim/SimulatorCommand.h"
#include "sim/TerminationSignals.h"
#include "tests/scenario/LockScreenScenario.h"
#include "tests/scenario/WindowPerson.h"
#include "tests/sim/XvfbDisplay.h"

namespace {

using namespace WindowPerson;

constexpr char kTyped[] = "say \"hi\" \\ there";
// Where the restarted process goes on with the record.
constexpr char kRestarted[] = "# SpringBoard started again\n";

// In the note's text (a fresh device's note): text with quotes and a backslash, a new line and
// more; the keyboard button; the note dragged up by its lower part; the device turned and turned
// back; locked; then a respring.
void useTheNote(const std::filesystem::path& preferenceFile) {
    // The first boot's defaults are written once SpringBoard has loaded the note.
    if (!waitFor([&] { return std::filesystem::exists(preferenceFile); }, std::chrono::seconds(60)))
        std::_Exit(3);
    letTheWindowCatchUp();
    pushTap(100, 200);
    pushText(kTyped);
    pushKey(SDLK_RETURN);
    pushText("# 2");
    letTheWindowCatchUp();
    pushTap(17, 117);
    pushMouse(SDL_MOUSEBUTTONDOWN, 150, 380);
    letTheWindowCatchUp();
    for (int step = 1; step <= 4; ++step) {
        pushMouseMotion(150 + 2 * step, 380 - 20 * step);
        letTheWindowCatchUp();
    }
    pushMouse(SDL_MOUSEBUTTONUP, 158, 300);
    letTheWindowCatchUp();
    pushKey(SDLK_RIGHT, KMOD_LCTRL);
    pushKey(SDLK_LEFT, KMOD_LCTRL);
    pushKey(SDLK_l, KMOD_LCTRL);
    letTheWindowCatchUp();
    pushKey(SDLK_r, KMOD_LCTRL);
}

// A respring in this child process starts plakko-sim itself in its place, as the program does.
[[noreturn]] void restartAsTheSimulator(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"plakko-sim"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : command) argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv(PLAKKO_SIM, argv.data());
    std::_Exit(127);
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Taps the home screen's Settings icon, the Plakko row of the Settings app and presses the home
// button, each after the window has drawn what came before; then locks.
void openSettingsAndGoHome(const std::filesystem::path& preferenceFile) {
    if (!waitFor([&] { return std::filesystem::exists(preferenceFile); }, std::chrono::seconds(60)))
        std::_Exit(3);
    letTheWindowCatchUp();
    pushKey(SDLK_u, KMOD_LCTRL);
    letTheWindowCatchUp();
    pushTap(122, 70);
    for (int frame = 0; frame < 10; ++frame) letTheWindowCatchUp();  // the zoom, the first frames
    pushTap(160, 200);
    for (int frame = 0; frame < 10; ++frame) letTheWindowCatchUp();
    pushKey(SDLK_h, KMOD_LCTRL);
    letTheWindowCatchUp();
    pushKey(SDLK_l, KMOD_LCTRL);
}

class RecordReplayTest : public LockScreenScenario {
protected:
    // A window run recorded into `record` while `person` uses it, in a process of its own that
    // ends by SIGTERM once the record holds `last`; a respring starts plakko-sim in its place.
    // Gives the process's exit status.
    int recordWindowRun(const std::filesystem::path& record,
                        void (*person)(const std::filesystem::path& preferenceFile),
                        const std::string& last) {
        const pid_t child = fork();
        if (child < 0) return -1;
        if (child == 0) {
            XvfbDisplay::limitWindowRun();
            // SDL's X11 layers keep allocations until the process ends, some in modules unloaded
            // by then that no suppression can name: the restarted window skips a sanitizer
            // build's leak check, as this one does by ending with _Exit.
            ::setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
            TerminationSignals::install();  // as plakko-sim's own process does
            std::thread(person, root_ / Settings::kFile).detach();
            std::istringstream in;
            std::ostringstream out, err;
            std::_Exit(runSimulator({"--root", root_.path().string(), "--record", record.string()},
                                    in, out, err, {restartAsTheSimulator, PLAKKO_SIM}));
        }
        EXPECT_TRUE(waitFor([&] { return contents(record).find(last) != std::string::npos; },
                            std::chrono::seconds(60)));
        kill(child, SIGTERM);
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    // Runs the record as a bug report's reader would, on the device afresh, with `more` after
    // it; the test fails unless it succeeds.
    void replay(const std::string& record, const std::string& more = {}) {
        std::filesystem::remove(root_ / Settings::kFile);
        std::ofstream(root_.path() / "replay.txt") << record << more;
        const std::string command = "cd '" + root_.path().string() + "' && '" + PLAKKO_SIM +
                                    "' --root . --script replay.txt 2> replay-errors.txt";
        ASSERT_EQ(std::system(command.c_str()), 0) << contents(root_.path() / "replay-errors.txt");
    }
};

TEST_F(RecordReplayTest, AWindowRunReplayedHeadlessEndsWithTheSameNote) {
    XvfbDisplay display;
    if (!display.problem().empty()) GTEST_SKIP() << display.problem();
    const std::filesystem::path record = root_.path() / "bug.txt";
    // The window, and after the respring the restarted one, which ends once it has started the
    // record's second part.
    const int status = recordWindowRun(record, useTheNote, kRestarted);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
    const PlistDictionary recorded = preferences();
    ASSERT_EQ(recorded.at(Settings::Key::text).asString()
                  ? *recorded.at(Settings::Key::text).asString()
                  : "",
              std::string(kTyped) + "\n# 2");
    const std::string script = contents(record);
    EXPECT_NE(script.find("\ntype \"say \\\"hi\\\" \\\\ there\"\n"), std::string::npos) << script;
    EXPECT_NE(script.find("\nkey return\n"), std::string::npos);
    EXPECT_NE(script.find("\ntype \"# 2\"\n"), std::string::npos);
    EXPECT_NE(script.find("\nrotate landscape-right\n"), std::string::npos);
    EXPECT_NE(script.find("\nlock\n"), std::string::npos);
    EXPECT_NE(script.find("\nrespring\n" + std::string(kRestarted)), std::string::npos);
    EXPECT_TRUE(script.ends_with("\nscreenshot \"bug-end.png\"\n")) << script;

    // The same device afresh, as whoever reads the bug report has it.
    replay(script);
    EXPECT_EQ(preferences(), recorded);
    EXPECT_TRUE(std::filesystem::exists(root_.path() / "bug-end.png"));
}

TEST_F(RecordReplayTest, AnAppOpenedInTheWindowIsRecordedAndReplayedWithItsProcess) {
    XvfbDisplay display;
    if (!display.problem().empty()) GTEST_SKIP() << display.problem();
    const std::filesystem::path record = root_.path() / "bug.txt";
    const int status = recordWindowRun(record, openSettingsAndGoHome, "\nlock\n");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
    const std::string script = contents(record);
    EXPECT_NE(script.find("\nhome\n"), std::string::npos) << script;
    EXPECT_TRUE(appProcessesOnThisDevice().empty()) << "the app outlived the window";

    // Back from the home screen, the replayed Settings app shows the pane the person opened.
    replay(script, "unlock\ntap 122 70\nwait 0.5\ndump-tree end.json\n");
    const nlohmann::json end = tree("end.json");
    ASSERT_TRUE(end.contains("app")) << script;
    EXPECT_NE(lastViewOfClass(end["app"], "PSSwitchTableCell"), nullptr) << "the Plakko pane";
}

}  // namespace
