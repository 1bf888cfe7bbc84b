// Every key of the note's settings, damaged one at a time in an otherwise sound preference file,
// with every kind of absurd value: missing, of the wrong kind, not a number, infinite, huge, zero,
// negative, empty and a megabyte long. Under each, the device boots, the note is typed into,
// dragged, hidden, shown, held, exported and SpringBoard starts again; nothing crashes or hangs
// (virtual time bounds every run, a watchdog every process), the note can always be reached and
// its text is never lost. Each key is a test of its own, so CTest runs keys side by side; each
// run of a damaged file is a process of its own (forked from this clean one, as SpringBoard is
// one per process), and the respring is the next process over the same files.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "common/SettingsKeys.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIImage.h"
#include "platform/notes/NoteContext.h"
#include "platform/springboard/SpringBoard.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/views/UIAlertView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "sim/DeviceProfile.h"
#include "sim/DeviceRootLayout.h"
#include "sim/DeviceScreen.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"
#include "sim/ScriptRunner.h"
#include "tests/scenario/LockScreenScenario.h"

namespace {

namespace Key = Settings::Key;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Far beyond what one run of a damaged file takes; a process still running then has hung.
constexpr unsigned kWatchdogSeconds = 60;
constexpr char kTyped[] = "absurd";
// The password of the sound file ("pass" is its Base64).
constexpr char kPassword[] = "sesame";

constexpr const char* kKeys[] = {
    Key::enabled,
    Key::fontSize,
    Key::alpha,
    Key::duration,
    Key::animation,
    Key::text,
    Key::x,
    Key::y,
    Key::hidden,
    Key::passEnabled,
    Key::pass,
    Key::lockTitle,
    Key::lockMessage,
    Key::settingsTitle,
    Key::settingsMessage,
    Key::sizeiPhone,
    Key::xoff,
    Key::yoff,
    Key::color,
    Key::redPlakko,
    Key::greenPlakko,
    Key::bluePlakko,
    Key::alphaFPlakko,
    Key::colorFont,
    Key::red,
    Key::green,
    Key::blue,
    Key::alphaF,
};

// A sound file holding every key.
PlistDictionary soundSettings() {
    return {
        {Key::enabled, PlistValue::boolean(true)},
        {Key::fontSize, PlistValue::float32(20)},
        {Key::alpha, PlistValue::float32(0.9f)},
        {Key::duration, PlistValue::float32(1)},
        {Key::animation, PlistValue::float32(3)},
        {Key::text, PlistValue::string("kept text")},
        {Key::x, PlistValue::float32(320)},
        {Key::y, PlistValue::float32(100)},
        {Key::hidden, PlistValue::boolean(false)},
        {Key::passEnabled, PlistValue::boolean(false)},
        {Key::pass, PlistValue::string("c2VzYW1l")},
        {Key::lockTitle, PlistValue::string("Locked")},
        {Key::lockMessage, PlistValue::string("Type the password")},
        {Key::settingsTitle, PlistValue::string("Settings")},
        {Key::settingsMessage, PlistValue::string("Type the password")},
        {Key::sizeiPhone, PlistValue::boolean(false)},
        {Key::xoff, PlistValue::float32(0)},
        {Key::yoff, PlistValue::float32(0)},
        {Key::color, PlistValue::boolean(true)},
        {Key::redPlakko, PlistValue::float32(1)},
        {Key::greenPlakko, PlistValue::float32(0.9f)},
        {Key::bluePlakko, PlistValue::float32(0.5f)},
        {Key::alphaFPlakko, PlistValue::float32(1)},
        {Key::colorFont, PlistValue::boolean(true)},
        {Key::red, PlistValue::float32(0.1f)},
        {Key::green, PlistValue::float32(0.1f)},
        {Key::blue, PlistValue::float32(0.1f)},
        {Key::alphaF, PlistValue::float32(1)},
    };
}

// One kind of damage; no value removes the key.
struct Damage {
    const char* name;
    std::optional<PlistValue> value;
};

std::vector<Damage> everyDamage() {
    return {
        {"missing", std::nullopt},
        {"a string", PlistValue::string("absurd")},
        {"an array", PlistValue::array({PlistValue::real(kNaN), PlistValue::string("x")})},
        {"a dictionary", PlistValue::dictionary({{"Text", PlistValue::real(kInfinity)}})},
        {"a date", PlistValue::date(-1e12)},
        {"data", PlistValue::data({0xff, 0x00, 0xfe})},
        {"NaN", PlistValue::real(kNaN)},
        {"+infinity", PlistValue::real(kInfinity)},
        {"-infinity", PlistValue::real(-kInfinity)},
        {"+1e30", PlistValue::real(1e30)},
        {"-1e30", PlistValue::real(-1e30)},
        {"zero", PlistValue::integer(0)},
        {"negative", PlistValue::real(-7.5)},
        {"an empty string", PlistValue::string("")},
        {"a 1 MB string", PlistValue::string(std::string(1 << 20, 'w'))},
    };
}

// ---- The device, driven in the child process --------------------------------------------------

// Thrown when a check inside the device fails; its text is the child's report.
struct CellFailure {
    std::string reason;
};

void require(bool condition, const std::string& reason) {
    if (!condition) throw CellFailure{reason};
}

// The view of a window's tree, depth first, last in drawing order, that `matches`.
UIView* lastView(UIView& view, const std::function<bool(UIView&)>& matches) {
    UIView* found = matches(view) ? &view : nullptr;
    for (const auto& subview : view.subviews()) {
        if (UIView* inner = lastView(*subview, matches)) found = inner;
    }
    return found;
}

UIView* lastOnScreen(const std::function<bool(UIView&)>& matches) {
    UIView* found = nullptr;
    for (const auto& window : UIApplication::sharedApplication().windows()) {
        if (UIView* inner = lastView(*window, matches)) found = inner;
    }
    return found;
}

UIView* imageNamed(const std::string& file) {
    return lastOnScreen([&](UIView& view) {
        if (!view.isKindOfClass(UIImageView::classObject())) return false;
        const auto& image = static_cast<UIImageView&>(view).image();
        return image && image->fileName() == file;
    });
}

// The note's parts, found as a person finds them: by what they show.
UIView* noteView() {
    UIView* deleteButton = imageNamed("delete@2x.png");
    return deleteButton ? deleteButton->superview().get() : nullptr;
}

UITextView* noteText() {
    UIView* note = noteView();
    return note ? static_cast<UITextView*>(lastView(
                      *note,
                      [](UIView& view) { return view.isKindOfClass(UITextView::classObject()); }))
                : nullptr;
}

// A view's rectangle on the screen (the windows fill the screen from its origin).
CGRect onScreen(UIView& view) {
    return view.convertRect_toView(view.bounds(), nullptr);
}

std::string point(CGPoint at) {
    std::ostringstream text;
    text << at.x << " " << at.y;
    return text.str();
}

std::string centreOf(UIView* view, const std::string& what) {
    require(view != nullptr, "no " + what);
    const CGRect frame = onScreen(*view);
    const CGPoint centre{CGRectGetMidX(frame), CGRectGetMidY(frame)};
    require(CGRectContainsPoint(UIScreen::mainScreen().bounds(), centre),
            "the " + what + " is off the screen");
    return point(centre);
}

// SpringBoard booted in this process on virtual time over the device root, driven by script lines.
class Device {
public:
    explicit Device(const std::filesystem::path& root) : context_{screen_, root} {
        prepareDeviceRoot(root);
        DeviceProfile::named("iphone5")->apply("7.0.4");
        Clock::setCurrent(std::make_shared<VirtualClock>());
        SpringBoard::shared().boot();
    }

    void run(const std::string& lines) {
        std::istringstream script(lines);
        try {
            runScript(script, "cell", commands_, context_);
        } catch (const ScriptError& error) {
            throw CellFailure{error.what()};
        }
    }

    // The hide button's tap-and-hold: shows the note at its own place (home), whatever it was.
    void bringHome() {
        run("tap-press " + centreOf(imageNamed("hide@2x.png"), "hide button") + " 0.3\nwait 1\n");
        answerAnyAlert();
        UIView* note = noteView();
        require(note != nullptr && !note->isHidden() && note->alpha() > 0,
                "the hold shows no note");
        const CGRect frame = onScreen(*note);
        require(std::isfinite(frame.origin.x) && std::isfinite(frame.origin.y) &&
                    CGRectIntersectsRect(frame, UIScreen::mainScreen().bounds()),
                "the note is not on the screen after a hold");
    }

    // A password prompt (a damaged "passEnabled" asks for one) is answered with the password.
    void answerAnyAlert() {
        for (const auto& alert : UIAlertView::visibleAlerts()) {
            const long answer = alert->cancelButtonIndex() == 0 ? 1 : 0;
            if (alert->textFieldAtIndex(0)) run(std::string("type ") + kPassword + "\n");
            run("alert-button " + alert->buttonTitleAtIndex(answer) + "\nwait 0.5\n");
        }
    }

    std::string typeIntoTheNote() {
        run("tap " + centreOf(noteText(), "text view") + "\nwait 0.1\ntype " + kTyped + "\n");
        run("tap " + centreOf(imageNamed("keyboard@2x.png"), "keyboard button") + "\nwait 0.5\n");
        UITextView* text = noteText();
        require(text && text->text().find(kTyped) != std::string::npos, "the typing is not shown");
        return text->text();
    }

    void dragAndHideAndShow() {
        const CGRect note = onScreen(*noteView());
        const CGPoint grip{CGRectGetMidX(note), CGRectGetMaxY(note) - 12};
        run("drag " + point(grip) + " " + point({grip.x + 10, grip.y - 20}) + "\nwait 0.3\n");
        const std::string hide = centreOf(imageNamed("hide@2x.png"), "hide button");
        run("tap " + hide + "\nwait 1.5\ntap " + hide + "\nwait 1.5\n");
        answerAnyAlert();
    }

    void exportTheNote() {
        run("tap " + centreOf(imageNamed("export@2x.png"), "export button") + "\nwait 2\n");
    }

    // Ends the process's last turn, as a respring does before the process goes.
    static void finishTurn() { NSRunLoop::mainRunLoop().runOneTurn(); }

private:
    DeviceScreen screen_;
    ScriptContext context_;
    ScriptCommandTable commands_ = scriptCommands();
};

std::string savedText() {
    const auto saved = PropertyListFile::dictionaryWithContentsOfFile(Settings::kFile);
    if (!saved) return "<no readable file>";
    const auto text = saved->find(Key::text);
    return text != saved->end() && text->second.asString() ? *text->second.asString() : "<none>";
}

// Whether the file turns the note on, as the note reads "enabled": on unless present and false.
bool enabledInFile() {
    const auto saved = PropertyListFile::dictionaryWithContentsOfFile(Settings::kFile);
    const auto enabled = saved ? saved->find(Key::enabled) : PlistDictionary::const_iterator{};
    return !saved || enabled == saved->end() || enabled->second.boolValue();
}

// Whether the file shows the note at all: an opacity of 0 or less (what a number of that size or
// a value of another kind reads as) makes it invisible, as asked; NaN and infinity read as 1.
bool visibleInFile() {
    const auto saved = PropertyListFile::dictionaryWithContentsOfFile(Settings::kFile);
    const auto alpha = saved ? saved->find(Key::alpha) : PlistDictionary::const_iterator{};
    if (!saved || alpha == saved->end()) return true;
    const double opacity = alpha->second.isNumber() ? alpha->second.doubleValue() : 0;
    return !(opacity <= 0);
}

// Boot, type, drag, hide, show, hold and export; gives the text the note shows at the end.
std::string firstRun(const std::filesystem::path& root) {
    Device device(root);
    device.run("wait 0.5\n");
    if (!noteView()) {
        // A damaged "enabled" that reads false turns the note off; its text stays in the file.
        require(!enabledInFile(), "no note");
        require(savedText() == "kept text", "the text of a note turned off changed");
        return "kept text";
    }
    if (!visibleInFile()) {
        require(savedText() == "kept text", "the text of an invisible note changed");
        return "kept text";
    }
    device.bringHome();
    const std::string shown = device.typeIntoTheNote();
    device.dragAndHideAndShow();
    device.bringHome();
    device.exportTheNote();
    Device::finishTurn();
    require(noteText() && noteText()->text() == shown, "the text changed after typing");
    require(savedText() == shown,
            "saved \"" + savedText().substr(0, 40) + "\", shown \"" + shown.substr(0, 40) + "\"");
    const auto notes = NoteContext::allNotes();
    require(notes && !notes->empty() && notes->front().content == shown,
            "the export made no note of the text");
    return shown;
}

// After the respring: the text as it was, and the note reachable again.
void afterRespring(const std::filesystem::path& root, const std::string& shown) {
    Device device(root);
    device.run("wait 0.5\n");
    if (!noteView()) {
        require(!enabledInFile(), "no note after the respring");
        require(savedText() == shown, "the text changed while the note was off");
        return;
    }
    if (!visibleInFile()) {
        require(noteText() && noteText()->text() == shown, "the invisible note lost its text");
        return;
    }
    UITextView* text = noteText();
    require(text != nullptr, "no note after the respring");
    require(text->text() == shown, "the text after the respring differs");
    device.bringHome();
    device.typeIntoTheNote();
}

struct CellOutcome {
    bool passed;
    // What the cell wrote on success, why it failed otherwise.
    std::string report;
};

// Runs `cell` in a forked process.
CellOutcome inChildProcess(const std::function<void(int report)>& cell) {
    int report[2];
    if (pipe(report) != 0) return {false, "no pipe"};
    const pid_t child = fork();
    if (child < 0) return {false, "no fork"};
    if (child == 0) {
        close(report[0]);
        alarm(kWatchdogSeconds);
        int status = 0;
        try {
            cell(report[1]);
        } catch (const CellFailure& failure) {
            if (write(report[1], failure.reason.data(), failure.reason.size()) < 0) status = 2;
            status = 1;
        } catch (const std::exception& error) {
            const std::string reason = std::string("exception: ") + error.what();
            if (write(report[1], reason.data(), reason.size()) < 0) status = 2;
            status = 1;
        }
        std::_Exit(status);
    }
    close(report[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t count; (count = read(report[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(count));
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return {false, "ended by signal " + std::to_string(WTERMSIG(status)) +
                           (WTERMSIG(status) == SIGALRM ? " (hung)" : "") + " " + text};
    return {WEXITSTATUS(status) == 0, text};
}

class AbsurdValueMatrixTest : public LockScreenScenario,
                              public testing::WithParamInterface<const char*> {
protected:
    static void SetUpTestSuite() {
        // Fonts are loaded once here, before the forks, not in every process.
        Typesetter::sizeOfText("warm", {"Helvetica Neue", 14, FontWeight::Regular});
    }

    // The deliverables are installed once for all of the key's runs, as they don't change.
    AbsurdValueMatrixTest() {
        prepareDeviceRoot(root_.path());
        installDeliverables();
    }

    void writeDamaged(const std::string& key, const Damage& damage) {
        std::filesystem::remove_all(root_.path() / "var");
        std::filesystem::create_directories(root_ / "/var/mobile/Library/Preferences");
        PlistDictionary settings = soundSettings();
        if (damage.value) {
            settings.insert_or_assign(key, *damage.value);
        } else {
            settings.erase(key);
        }
        writePreferences(settings);
    }
};

TEST_P(AbsurdValueMatrixTest, TheNoteStaysReachableAndKeepsItsText) {
    const std::string key = GetParam();
    for (const Damage& damage : everyDamage()) {
        writeDamaged(key, damage);
        const CellOutcome first = inChildProcess([&](int report) {
            const std::string shown = firstRun(root_.path());
            if (write(report, shown.data(), shown.size()) < 0) std::_Exit(2);
        });
        if (!first.passed) {
            ADD_FAILURE() << key << " as " << damage.name << ": " << first.report;
            continue;
        }
        const CellOutcome second =
            inChildProcess([&](int) { afterRespring(root_.path(), first.report); });
        EXPECT_TRUE(second.passed)
            << key << " as " << damage.name << ", after the respring: " << second.report;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKey, AbsurdValueMatrixTest, testing::ValuesIn(kKeys),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
