#include "sim/SimulatorCommand.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/springboard/SBAppSwitcher.h"
#include "platform/springboard/SBApplication.h"
#include "platform/springboard/SpringBoard.h"
#include "sim/DeviceRootLayout.h"
#include "sim/DeviceScreen.h"
#include "sim/NotesScene.h"
#include "sim/RememberedZoom.h"
#include "sim/Respring.h"
#include "sim/SampleScene.h"
#include "sim/SceneStart.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"
#include "sim/ScriptRecorder.h"
#include "sim/ScriptRunner.h"
#include "sim/SettingsScene.h"
#include "sim/SimulatorOptions.h"
#include "sim/SimulatorWindow.h"
#include "sim/TerminationSignals.h"
#include "sim/TourScript.h"

namespace {

constexpr char kTourFolder[] = "plakko-tour";
constexpr char kStandardInputName[] = "stdin";

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Why no window can appear, when that is clear without asking SDL. A named video driver is left
// for SDL to try: without a display it would otherwise pick an invisible offscreen one.
std::optional<std::string> missingDisplay() {
    if (isSet("SDL_VIDEODRIVER") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    return "DISPLAY and WAYLAND_DISPLAY are not set";
}

// The device on virtual time, driven by `script` (from its text, or read from `in` as it runs);
// relative file names go to `folder`. Gives the point to go on from when the script asked for a
// respring.
std::optional<ResumePoint> runHeadless(const SimulatorOptions& options, const ResumePoint& script,
                                       std::istream& in, const std::filesystem::path& folder) {
    Clock::setCurrent(std::make_shared<VirtualClock>());
    const auto scene = startScene(options);
    DeviceScreen screen;
    ScriptContext context{screen, folder};
    std::optional<size_t> next;
    if (script.scriptText) {
        std::istringstream lines(*script.scriptText);
        next = runScript(lines, script.scriptName, scriptCommands(), context, script.line);
    } else {
        next = runScript(in, script.scriptName, scriptCommands(), context, script.line,
                         ScriptReading::LineByLine);
    }
    if (!next) return std::nullopt;
    return ResumePoint{script.scriptName, script.scriptText, *next};
}

// The script to run: its file's text, standard input as it comes, or the resume file of a
// respring.
ResumePoint scriptToRun(const SimulatorOptions& options) {
    if (options.resume) return takeResumeFile(*options.resume);
    if (*options.script == "-") return {kStandardInputName, std::nullopt};
    const std::string& name = *options.script;
    std::error_code error;
    if (std::filesystem::is_directory(name, error))
        throw std::runtime_error("the script " + name + " is a folder");
    std::ifstream file(name, std::ios::binary);
    std::ostringstream text;
    if (file) text << file.rdbuf();
    if (!file || file.bad()) throw std::runtime_error("can't read the script " + name);
    return {name, text.str()};
}

std::optional<ResumePoint> runTour(const SimulatorOptions& options, const std::string& why,
                                   std::ostream& out) {
    const std::filesystem::path folder = std::filesystem::absolute(kTourFolder);
    out << "plakko-sim: " << why << "; running the built-in tour headless into " << folder.string()
        << "/\n";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw std::runtime_error("can't create " + folder.string() + ": " + error.message());
    const char* tour = options.scene == SimulatorOptions::Scene::Sample     ? kSampleTourScript
                       : options.scene == SimulatorOptions::Scene::Settings ? kSettingsTourScript
                       : options.scene == SimulatorOptions::Scene::Notes    ? kNotesTourScript
                                                                         : kSpringBoardTourScript;
    std::istringstream noInput;
    return runHeadless(options, {"tour", tour}, noInput, folder);
}

// What a run asks for at its end: nothing, or a respring (with the point a headless script goes
// on from).
struct Ending {
    bool respring = false;
    std::optional<ResumePoint> resume;
};

Ending afterHeadless(std::optional<ResumePoint> resume) {
    return {resume.has_value(), std::move(resume)};
}

// No window can open, for `reason`: the tour runs headless instead, unless the window was to be
// recorded.
Ending withoutDisplay(const SimulatorOptions& options, const std::string& reason,
                      std::ostream& out) {
    const std::string why = "no display available (" + reason + ")";
    if (options.record) throw std::runtime_error("nothing to record: " + why);
    return afterHeadless(runTour(options, why, out));
}

// The zoom the window opens in: --zoom's, which is remembered, or the one remembered for the
// device, or one pixel per point.
WindowZoom windowZoom(const SimulatorOptions& options) {
    if (options.zoom) {
        rememberZoom(options.device.name, *options.zoom);
        return *options.zoom;
    }
    return rememberedZoom(options.device.name).value_or(WindowZoom::Point);
}

// The name of SpringBoard's app in front, or nothing.
std::string frontApplicationName() {
    SpringBoard& springBoard = SpringBoard::shared();
    if (!springBoard.isBooted()) return {};
    const auto app = springBoard.appSwitcher().frontApplication();
    return app ? app->name() : std::string();
}

std::shared_ptr<ScriptRecorder> recorder(const SimulatorOptions& options) {
    if (!options.record) return nullptr;
    return std::make_shared<ScriptRecorder>(
        *options.record,
        options.recordAppends ? ScriptRecorder::Start::Appending : ScriptRecorder::Start::Fresh,
        options.replayCommand());
}

Ending runInteractive(const SimulatorOptions& options, std::ostream& out) {
    DeviceScreen screen;
    std::unique_ptr<SimulatorWindow> window;
    SimulatorWindow::Settings settings{
        [&options] { return options.windowTitle(frontApplicationName()); }, windowZoom(options),
        [device = options.device.name](WindowZoom zoom) { rememberZoom(device, zoom); }};
    try {
        window = std::make_unique<SimulatorWindow>(screen, std::move(settings));
    } catch (const std::runtime_error& error) {
        return withoutDisplay(options, error.what(), out);
    }
    Clock::setCurrent(std::make_shared<RealClock>());
    const auto scene = startScene(options);
    const auto record = recorder(options);
    window->record(record);
    try {
        window->run();
    } catch (...) {
        if (record) record->finish();  // a signal too leaves a record that ends with the screen
        throw;
    }
    if (record && !window->respringRequested()) record->finish();
    return {window->respringRequested(), std::nullopt};
}

Ending run(const SimulatorOptions& options, std::istream& in, std::ostream& out) {
    prepareDeviceRoot(options.root);
    options.device.apply(options.systemVersion);
    if (options.script || options.resume) {
        return afterHeadless(runHeadless(options, scriptToRun(options), in, {}));
    }
    if (options.headless) return afterHeadless(runTour(options, "no script given", out));
    if (auto missing = missingDisplay()) return withoutDisplay(options, *missing, out);
    return runInteractive(options, out);
}

// The work of the run loop's last turn (preference writes land at its end) finishes before the
// process goes, whichever way it goes, and so does the apps'.
void finishPendingWork(std::ostream& err) {
    // The apps finish their own work as they end.
    if (SpringBoard::shared().isBooted()) SpringBoard::shared().appSwitcher().endApplications();
    TerminationSignals::finishLastTurn(err, "plakko-sim");
}

void respring(const std::vector<std::string>& arguments, const Ending& ending,
              const RestartProcess& restart, std::ostream& out) {
    if (!restart) throw std::runtime_error("a respring needs plakko-sim's own process");
    out << "plakko-sim: respring: SpringBoard starts again\n";
    std::optional<std::filesystem::path> resumeFile;
    if (ending.resume) resumeFile = writeResumeFile(*ending.resume);
    try {
        restart(restartArguments(arguments, resumeFile));
    } catch (...) {
        if (resumeFile) std::filesystem::remove(*resumeFile);
        throw;
    }
}

}  // namespace

int runSimulator(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                 std::ostream& err, const OwnProcess& process) {
    std::optional<SimulatorOptions> options;
    try {
        options = SimulatorOptions::parse(arguments);
        options->appProgram = process.program;
    } catch (const std::invalid_argument& error) {
        err << "plakko-sim: " << error.what() << "\n" << SimulatorOptions::usage();
        return 2;
    }
    // Every way the run ends (its end, an error, a signal) comes through here.
    int status = 1;
    Ending ending;
    try {
        ending = run(*options, in, out);
        status = 0;
    } catch (const TerminationSignals::TerminationRequested& request) {
        status = 128 + request.signal;
    } catch (const ScriptError& error) {
        err << error.what() << "\n";
    } catch (const std::exception& error) {
        err << "plakko-sim: " << error.what() << "\n";
    }
    finishPendingWork(err);
    if (status != 0 || !ending.respring) return status;
    try {
        respring(arguments, ending, process.restart, out);
        return 0;
    } catch (const std::exception& error) {
        err << "plakko-sim: " << error.what() << "\n";
        return 1;
    }
}
