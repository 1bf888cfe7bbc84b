// The device with its apps in processes of their own: a day's journey from the Settings app to
// the note, the home button, locking over an app, a respring with an app open, and apps that
// crash or stop answering.
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <streambuf>

#include "common/SettingsKeys.h"
#include "platform/foundation/SystemLog.h"
#include "sim/SimulatorCommand.h"
#include "tests/scenario/LockScreenScenario.h"

namespace {

// The home screen's Settings icon, and the Plakko pane's "Note Colour" switch once the colour
// pane has been opened and left (the pane then shows that row near its foot).
constexpr char kOpenSettings[] = "unlock\ntap 122 70\nwait 0.5\n";
constexpr char kOpenPlakko[] = "tap-row Plakko\nwait 0.6\n";
constexpr char kTurnOnNoteColour[] =
    "tap-row \"Choose Note Colour\"\nwait 0.6\nback\nwait 0.6\ntap 279 501\nwait 0.3\n";
constexpr char kPickGreenAndSave[] =
    "tap-row \"Choose Note Colour\"\nwait 0.6\ndrag 160 380 160 80\nwait 0.5\n"
    "drag 150 230 90 260\nwait 0.3\ntap-row Save\nwait 0.3\n";

// On the lock screen: the note's text typed, the keyboard put away, the note exported.
std::string exportNote(const std::string& text) {
    return "tap 100 200\ntype \"" + text +
           "\"\nwait 0.3\ntap 17 117\nwait 0.5\ntap 20 385\nwait 2\n";
}
constexpr char kOpenNotes[] = "unlock\ntap 46 70\nwait 0.5\n";

// The values of `field` ("text" of text-bearing views, "rowText" of table rows) in a dump's app
// windows, depth first.
void collect(const nlohmann::json& view, const char* field, std::vector<std::string>& texts) {
    if (view.contains(field) && view[field].is_string()) texts.push_back(view[field]);
    if (view.contains("subviews")) {
        for (const auto& subview : view["subviews"]) collect(subview, field, texts);
    }
}

std::vector<std::string> appTexts(const nlohmann::json& tree, const char* field = "text") {
    std::vector<std::string> texts;
    if (tree.contains("app")) {
        for (const auto& window : tree["app"]["windows"]) collect(window, field, texts);
    }
    return texts;
}

bool anyContains(const std::vector<std::string>& texts, const std::string& part) {
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& text) {
        return text.find(part) != std::string::npos;
    });
}

// The processes this thread has started that are still there (running or not yet reaped).
std::vector<pid_t> childProcesses() {
    std::ifstream file("/proc/self/task/" + std::to_string(gettid()) + "/children");
    std::vector<pid_t> children;
    for (pid_t child; file >> child;) children.push_back(child);
    return children;
}

// A script read line by line in parts, with something done between them: each part's lines
// have all run when the next part is first read.
class PausingScript : public std::streambuf {
public:
    void add(std::string lines, std::function<void()> after = {}) {
        parts_.push_back({std::move(lines), std::move(after)});
    }

protected:
    int_type underflow() override {
        while (next_ < parts_.size()) {
            Part& part = parts_[next_];
            if (!part.started) {
                part.started = true;
                setg(part.lines.data(), part.lines.data(), part.lines.data() + part.lines.size());
                if (!part.lines.empty()) return traits_type::to_int_type(part.lines.front());
            }
            if (part.after) part.after();
            ++next_;
        }
        return traits_type::eof();
    }

private:
    struct Part {
        std::string lines;
        std::function<void()> after;
        bool started = false;
    };
    std::vector<Part> parts_;
    size_t next_ = 0;
};

class AppProcessTest : public LockScreenScenario {
protected:
    // In a sanitizer build an app would catch its own crash, report it and exit; the apps started
    // from here on crash as programs do.
    static void appsCrashAsProgramsDo() {
        for (const char* variable : {"ASAN_OPTIONS", "TSAN_OPTIONS"}) {
            const char* options = std::getenv(variable);
            const std::string appOptions =
                (options ? std::string(options) + ":" : std::string()) + "handle_segv=0";
            ::setenv(variable, appOptions.c_str(), 1);
        }
    }

    // Runs the script's parts line by line in this process; the apps run in plakko-sim's.
    void runPaused(PausingScript& script) {
        std::istream in(&script);
        std::ostringstream out, err;
        ASSERT_EQ(runSimulator({"--root", root_.path().string(), "--script", "-"}, in, out, err,
                               {nullptr, PLAKKO_SIM}),
                  0)
            << err.str();
    }

    static bool hasApp(const nlohmann::json& tree, const char* process) {
        return tree.contains("app") && tree["app"]["process"] == process;
    }
    // The title of the navigation bar the app in front shows.
    static std::string appPaneTitle(const nlohmann::json& tree) {
        if (!tree.contains("app")) return {};
        const nlohmann::json* label = lastViewOfClass(tree["app"], "UINavigationBar");
        return label && label->contains("subviews") ? titleIn(*label) : std::string();
    }
    static std::string titleIn(const nlohmann::json& bar) {
        std::string title;
        for (const auto& view : bar["subviews"]) {
            if (view.contains("text") && view["class"] == "UILabel") title = view["text"];
        }
        return title;
    }
};

TEST_F(AppProcessTest, AColourPickedInTheSettingsAppReachesTheNoteAtTheNextLock) {
    runScript(std::string(kOpenSettings) + kOpenPlakko + kTurnOnNoteColour + kPickGreenAndSave +
              "home\nwait 0.5\nlock\nwait 1\nscreenshot " + output("locked.png") + "\n");
    const PlistDictionary stored = preferences();
    EXPECT_TRUE(stored.at(Settings::Key::color).boolValue());
    ASSERT_TRUE(stored.contains(Settings::Key::bluePlakko));
    // The note's lined paper, tinted with the green picked on the wheel.
    const ScreenPixel paper = pixelAt("locked.png", 120, 250);
    EXPECT_GT(paper.g, paper.r + 40) << "the note isn't green";
    EXPECT_GT(paper.g, paper.b + 20) << "the note isn't green";
    EXPECT_TRUE(childProcesses().empty()) << "the Settings app outlived the run";
}

TEST_F(AppProcessTest, NotesExportedOnTheLockScreenShowInTheNotesAppOpenedOrBroughtBack) {
    runScript(exportNote("Milk, eggs") + kOpenNotes + "dump-tree " + output("first.json") +
              "\nhome\nwait 0.5\nlock\n" + exportNote("Call Anna") + kOpenNotes + "dump-tree " +
              output("list.json") + "\ntap-row \"Plakko Note\"\nwait 0.6\ndump-tree " +
              output("page.json") + "\n");
    const auto first = appTexts(tree("first.json"), "rowText");
    EXPECT_EQ(std::count(first.begin(), first.end(), "Plakko Note"), 1);
    const auto list = appTexts(tree("list.json"), "rowText");
    EXPECT_EQ(std::count(list.begin(), list.end(), "Plakko Note"), 2)
        << "the list is read again when the app comes back";
    // The newest note is the first row, and its page shows the text as exported.
    EXPECT_TRUE(anyContains(appTexts(tree("page.json")), "Call Anna"))
        << "the newest note opens first";
}

TEST_F(AppProcessTest, ThePasswordPromptOfTheSettingsAppIsAnsweredInItsProcess) {
    writePreferences({{Settings::Key::passEnabled, PlistValue::boolean(true)},
                      {Settings::Key::pass, PlistValue::string("c2VzYW1l")}});  // "sesame"
    runScript(std::string(kOpenSettings) + kOpenPlakko +
              "type sesame\nalert-button Ok\nwait 0.6\n" + "dump-tree " + output("answered.json") +
              "\n");
    const auto rows = appTexts(tree("answered.json"), "rowText");
    EXPECT_TRUE(anyContains(rows, "Enabled")) << "the pane opens for the right password";
}

TEST_F(AppProcessTest, TheHomeButtonKeepsTheAppsProcessAndPaneForItsNextOpening) {
    SystemLogCapture log;
    std::vector<pid_t> first, second;
    PausingScript script;
    script.add(std::string(kOpenSettings) + kOpenPlakko + "home\nwait 0.5\ndump-tree " +
                   output("home.json") + "\n",
               [&] { first = childProcesses(); });
    script.add("tap 198 70\nwait 0.5\ntap 122 70\nwait 0.5\ndump-tree " + output("again.json") +
                   "\nscreenshot " + output("again.png") + "\n",
               [&] { second = childProcesses(); });
    runPaused(script);

    EXPECT_FALSE(tree("home.json").contains("app")) << "the home screen is in front";
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(second, first) << "the same process comes back";
    const nlohmann::json again = tree("again.json");
    EXPECT_TRUE(hasApp(again, "Settings"));
    EXPECT_EQ(appPaneTitle(again), "Plakko") << "the pane left open is still open";
    EXPECT_EQ(log.count("Clock is not part of this device"), 1u);
}

TEST_F(AppProcessTest, LockingOverAnAppShowsTheLockScreenAndUnlockingReturnsToTheApp) {
    runScript(std::string(kOpenSettings) + kOpenPlakko + "screenshot " + output("app.png") +
              "\nlock\nwait 1\nscreenshot " + output("locked.png") + "\ndump-tree " +
              output("locked.json") + "\nunlock\nwait 0.5\nscreenshot " + output("back.png") +
              "\ndump-tree " + output("back.json") + "\n");
    const nlohmann::json locked = tree("locked.json");
    EXPECT_NE(NoteInTree::note(locked), nullptr) << "the note is on the lock screen over the app";
    EXPECT_TRUE(hasApp(locked, "Settings")) << "the app stays in front, under the lock screen";
    EXPECT_GT(differingPixels("app.png", "locked.png", 0, 0, 320, 568), 10000u);
    EXPECT_EQ(differingPixels("app.png", "back.png", 0, 0, 320, 568), 0u);
    EXPECT_EQ(appPaneTitle(tree("back.json")), "Plakko");
}

TEST_F(AppProcessTest, AnAppThatCrashesIsEndedAndTheDeviceGoesOnWithWhatItWrote) {
    appsCrashAsProgramsDo();
    SystemLogCapture log;
    std::vector<pid_t> crashed, reopened;
    PausingScript script;
    script.add(std::string(kOpenSettings) + kOpenPlakko + kTurnOnNoteColour, [&] {
        crashed = childProcesses();
        for (pid_t app : crashed) kill(app, SIGSEGV);
    });
    script.add("wait 0.1\ndump-tree " + output("crashed.json") + "\nscreenshot " +
                   output("home.png") + "\ntap 122 70\nwait 0.5\ndump-tree " +
                   output("reopened.json") + "\n",
               [&] { reopened = childProcesses(); });
    runPaused(script);

    ASSERT_EQ(crashed.size(), 1u);
    EXPECT_EQ(log.count("Settings crashed (Segmentation fault); back to the home screen"), 1u);
    EXPECT_FALSE(tree("crashed.json").contains("app"));
    EXPECT_TRUE(preferences()[Settings::Key::color].boolValue()) << "what it wrote before stays";
    const nlohmann::json again = tree("reopened.json");
    EXPECT_TRUE(hasApp(again, "Settings")) << "the app opens again";
    EXPECT_EQ(appPaneTitle(again), "Settings") << "a new process starts at its root";
    ASSERT_EQ(reopened.size(), 1u);
    EXPECT_NE(reopened, crashed);
}

TEST_F(AppProcessTest, AnAppThatCrashedInTheBackgroundStartsAfreshFromItsIcon) {
    appsCrashAsProgramsDo();
    SystemLogCapture log;
    PausingScript script;
    script.add(std::string(kOpenSettings) + kOpenPlakko + "home\nwait 0.5\n", [&] {
        for (pid_t app : childProcesses()) kill(app, SIGSEGV);
    });
    script.add("tap 122 70\nwait 0.5\ndump-tree " + output("again.json") + "\n");
    runPaused(script);

    EXPECT_EQ(
        log.count("Settings crashed (Segmentation fault) in the background; starting it again"),
        1u);
    const nlohmann::json again = tree("again.json");
    EXPECT_TRUE(hasApp(again, "Settings"));
    EXPECT_EQ(appPaneTitle(again), "Settings") << "a new process starts at its root";
}

TEST_F(AppProcessTest, AnAppGoneBeforeTheHomeButtonLeavesNothingOfItOnTheScreen) {
    SystemLogCapture log;
    PausingScript script;
    script.add(kOpenSettings, [&] {
        for (pid_t app : childProcesses()) kill(app, SIGKILL);
    });
    script.add("home\nwait 0.5\ndump-tree " + output("home.json") + "\n");
    runPaused(script);

    EXPECT_EQ(log.count("Settings crashed (Killed); back to the home screen"), 1u);
    EXPECT_EQ(lastViewOfClass(tree("home.json"), "SBAppFrameView"), nullptr);
}

TEST_F(AppProcessTest, AnAppThatStopsAnsweringIsKilledAfterItsFrameDeadline) {
    SystemLogCapture log;
    std::vector<pid_t> stopped;
    PausingScript script;
    script.add(kOpenSettings, [&] {
        stopped = childProcesses();
        for (pid_t app : stopped) kill(app, SIGSTOP);
    });
    script.add("wait 0.1\ndump-tree " + output("after.json") + "\n");
    runPaused(script);

    ASSERT_EQ(stopped.size(), 1u);
    EXPECT_EQ(log.count("Settings stopped answering and was ended; back to the home screen"), 1u);
    EXPECT_FALSE(tree("after.json").contains("app"));
    EXPECT_TRUE(childProcesses().empty()) << "the stopped process was killed and reaped";
}

TEST_F(AppProcessTest, ARespringEndsTheAppAndTheDeviceComesUpLockedOnItsHomeScreen) {
    const ProcessResult run = runProcess(std::string(kOpenSettings) + kOpenPlakko +
                                         "tap-row \"Choose Note Colour\"\nwait 0.6\nback\n"
                                         "wait 0.6\ntap 279 501\nrespring\nwait 1\ndump-tree " +
                                         output("after.json") + "\nunlock\nwait 0.5\ndump-tree " +
                                         output("unlocked.json") + "\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(NoteInTree::note(tree("after.json")), nullptr);
    EXPECT_FALSE(tree("unlocked.json").contains("app")) << "no app survives a respring";
    EXPECT_TRUE(appProcessesOnThisDevice().empty()) << "the app outlived the respring";
    EXPECT_TRUE(preferences()[Settings::Key::color].boolValue()) << "the app's last write landed";
}

std::string fileText(const std::filesystem::path& file) {
    std::stringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

// The README's day, from its script file: the colour picked in Settings on the note at the next
// lock, the exported note read in the Notes app. The README shows the script as it is.
TEST_F(AppProcessTest, TheReadmesDayRunsAsItTells) {
    const std::filesystem::path repository = std::filesystem::path(PLAKKO_TESTS_DIR).parent_path();
    const std::string day = fileText(repository / "docs/a-day-with-plakko.txt");
    ASSERT_FALSE(day.empty());
    std::ofstream(root_.path() / "day.txt") << day << "dump-tree day-end.json\n";
    const std::string command = "cd '" + root_.path().string() + "' && '" + PLAKKO_SIM +
                                "' --root . --script day.txt 2> errors.txt";
    ASSERT_EQ(std::system(command.c_str()), 0) << fileText(root_.path() / "errors.txt");
    const ScreenPixel paper = pixelAt("day-2-green-note.png", 120, 250);
    EXPECT_GT(paper.g, paper.r + 40) << "the note isn't green";
    EXPECT_TRUE(anyContains(appTexts(tree("day-end.json")), "Buy milk"));

    const std::string readme = fileText(repository / "README.md");
    std::istringstream lines(day);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(readme.find("\n    " + line + "\n"), std::string::npos) << line;
    }
}

// Two runs of one script that opens an app, moves through it and goes home give the same
// pictures, in the zoom's middle too.
TEST(AppProcessRuns, AScriptWithAnAppGivesTheSameScreenshotsOnEveryRun) {
    const std::string script = std::string(kOpenSettings) + kOpenPlakko +
                               "home\nwait 0.1\nscreenshot zoom.png\nwait 0.5\n"
                               "tap 122 70\nwait 0.2\nscreenshot back.png\n";
    std::vector<std::string> pictures;
    for (int run = 0; run < 2; ++run) {
        TemporaryDeviceRoot root;
        std::ofstream(root.path() / "script.txt") << script;
        const std::string command = "cd '" + root.path().string() + "' && '" + PLAKKO_SIM +
                                    "' --root '" + root.path().string() +
                                    "' --script script.txt 2>/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        for (const char* shot : {"zoom.png", "back.png"}) {
            std::stringstream bytes;
            bytes << std::ifstream(root.path() / shot, std::ios::binary).rdbuf();
            pictures.push_back(bytes.str());
        }
    }
    ASSERT_FALSE(pictures[0].empty());
    EXPECT_EQ(pictures[0], pictures[2]);
    EXPECT_EQ(pictures[1], pictures[3]);
    EXPECT_NE(pictures[0], pictures[1]);
}

}  // namespace
