#include "sim/AppProcessMain.h"

#include <algorithm>
#include <memory>
#include <ostream>

#include "platform/apps/AppChannel.h"
#include "platform/apps/AppProcess.h"
#include "platform/apps/SharedFrameBuffer.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/ui/text/KeyboardInput.h"
#include "platform/ui/touches/TouchDispatcher.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "sim/DeviceRootLayout.h"
#include "sim/DeviceScreen.h"
#include "sim/SceneStart.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"
#include "sim/SimulatorOptions.h"
#include "sim/TerminationSignals.h"
#include "sim/ViewTreeDump.h"

namespace {

// The app as it runs, between SpringBoard's requests.
class RunningApp {
public:
    RunningApp(AppChannel& channel, SharedFrameBuffer& frameBuffer)
        : channel_(channel), frameBuffer_(frameBuffer), commands_(scriptCommands()) {}

    // Answers requests until SpringBoard closes the channel.
    void serve() {
        for (;;) {
            AppMessage request;
            try {
                // Between requests the turn is finished: a termination signal may end the
                // process at once.
                TerminationSignals::WaitingForInput waiting;
                request = channel_.receive();
            } catch (const AppChannel::Broken&) {
                return;
            }
            answer(request);
        }
    }

    // Brings the app to the request's time, does what it asks and answers with the new frame.
    void answer(const AppMessage& request) {
        if (request.time > NSDate::now()) NSRunLoop::mainRunLoop().runUntilDate(request.time);
        AppMessage answer = handle(request);
        answer.frameChanged = drawFrame();
        channel_.send(answer);
    }

private:
    // Draws the app's screen into the frame buffer; false when it is as it was.
    bool drawFrame() {
        NSRunLoop::mainRunLoop().runOneTurn();  // commits what the request changed
        if (!screen_.render()) return false;
        const auto& compositor = screen_.compositor();
        std::copy_n(compositor.pixels(), compositor.pixelWidth() * compositor.pixelHeight(),
                    frameBuffer_.pixels().begin());
        return true;
    }

    AppMessage handle(const AppMessage& request) {
        AppMessage answer(AppMessageKind::Done, NSDate::now());
        const CGPoint point{request.x, request.y};
        switch (request.kind) {
            case AppMessageKind::FingerDown:
                fingers_.fingerDown(point, request.finger);
                break;
            case AppMessageKind::FingerMoved:
                fingers_.fingerMoved(point, request.finger);
                break;
            case AppMessageKind::FingerUp:
                fingers_.fingerUp(point, request.finger);
                break;
            case AppMessageKind::FingerCancelled:
                fingers_.fingerCancelled(request.finger);
                break;
            case AppMessageKind::Text:
                KeyboardInput::typeText(request.text);
                break;
            case AppMessageKind::Backspace:
                KeyboardInput::pressBackspace();
                break;
            case AppMessageKind::Command:
                return runCommand(request.text);
            case AppMessageKind::Dump:
                screen_.render();  // lays out what a frame would show
                answer.text =
                    viewTreeDump(UIScreen::mainScreen(),
                                 UIApplication::sharedApplication().windows())
                        .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
                break;
            case AppMessageKind::Background:
                UIApplication::sharedApplication().enterBackground();
                break;
            case AppMessageKind::Foreground:
                UIApplication::sharedApplication().enterForeground();
                break;
            default:
                break;
        }
        return answer;
    }

    AppMessage runCommand(const std::string& text) {
        AppMessage answer(AppMessageKind::Done, NSDate::now());
        try {
            std::vector<std::string> words = decodeWords(text);
            if (words.empty()) throw ScriptError("an empty command");
            const ScriptCommandTable::Command* command = commands_.find(words.front());
            if (!command) throw ScriptError("the app has no command " + words.front());
            words.erase(words.begin());
            command->prepare(words)(context_);
        } catch (const std::exception& error) {
            answer.kind = AppMessageKind::Failed;
            answer.text = error.what();
        }
        return answer;
    }

    AppChannel& channel_;
    SharedFrameBuffer& frameBuffer_;
    DeviceScreen screen_;
    TouchDispatcher fingers_;
    ScriptCommandTable commands_;
    ScriptContext context_{screen_, "."};
};

void run(const SimulatorOptions& options) {
    prepareDeviceRoot(options.root);
    options.device.apply(options.systemVersion);
    AppChannel channel(AppProcess::kChannelDescriptor);
    SharedFrameBuffer frameBuffer(AppProcess::kFrameBufferDescriptor,
                                  UIScreen::mainScreen().pixelWidth(),
                                  UIScreen::mainScreen().pixelHeight());
    AppMessage launch;
    try {
        launch = channel.receive();
    } catch (const AppChannel::Broken&) {
        return;  // SpringBoard went before the app started
    }
    if (launch.kind != AppMessageKind::Launch)
        throw std::runtime_error("SpringBoard didn't ask for a launch");
    Clock::setCurrent(std::make_shared<VirtualClock>(launch.time));
    launchApp(options);
    RunningApp app(channel, frameBuffer);
    app.answer(launch);  // the first frame
    app.serve();
}

}  // namespace

int runAppProcess(const std::vector<std::string>& arguments, std::ostream& err) {
    std::optional<SimulatorOptions> options;
    try {
        options = SimulatorOptions::parse(arguments);
    } catch (const std::invalid_argument& error) {
        err << "plakko-sim app: " << error.what() << "\n";
        return 2;
    }
    if (!isAppScene(options->scene)) {
        err << "plakko-sim app: --scene settings or --scene notes names the app\n";
        return 2;
    }
    TerminationSignals::install();
    int status = 1;
    try {
        run(*options);
        status = 0;
    } catch (const TerminationSignals::TerminationRequested& request) {
        status = 128 + request.signal;
    } catch (const std::exception& error) {
        err << "plakko-sim app: " << error.what() << "\n";
    }
    TerminationSignals::finishLastTurn(err, "plakko-sim app");
    return status;
}
