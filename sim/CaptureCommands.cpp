#include "sim/CaptureCommands.h"

#include <fstream>

#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/springboard/SBAppSwitcher.h"
#include "platform/springboard/SBApplication.h"
#include "platform/springboard/SpringBoard.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "sim/DeviceScreen.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"
#include "sim/ViewTreeDump.h"

namespace {

// Ends the current turn first, as the device would before showing a frame, so that changes made
// by earlier commands are committed.
void finishTurn() {
    NSRunLoop::mainRunLoop().runOneTurn();
}

void screenshot(const std::string& fileName, ScriptContext& context) {
    finishTurn();
    context.screen.render();
    const auto path = context.resolve(fileName);
    if (!PNGCodec::writeFile(*context.screen.compositor().snapshot(), path.string())) {
        throw ScriptError("can't write the screenshot " + path.string());
    }
}

// The app in front's windows, under its process's name: "app": {"process": NAME, "windows": [...]}.
void addFrontApplication(nlohmann::ordered_json& tree) {
    SpringBoard& springBoard = SpringBoard::shared();
    if (!springBoard.isBooted()) return;
    try {
        springBoard.appSwitcher().askFrontApplication([&](SBApplication& app) {
            auto dump = nlohmann::ordered_json::parse(app.viewTreeDump());
            tree["app"] = {{"process", app.name()}, {"windows", std::move(dump["windows"])}};
        });
    } catch (const std::exception& error) {
        throw ScriptError(error.what());
    }
}

void dumpTree(const std::string& fileName, ScriptContext& context) {
    finishTurn();
    context.screen.render();  // lays out what a frame would show, such as a table's rows
    auto tree = viewTreeDump(UIScreen::mainScreen(), UIApplication::sharedApplication().windows());
    addFrontApplication(tree);
    const auto path = context.resolve(fileName);
    std::ofstream file(path);
    // Text that isn't UTF-8 (typed bytes) shows as U+FFFD rather than stopping the dump.
    file << tree.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    file.close();
    if (!file) throw ScriptError("can't write the view tree " + path.string());
}

// A command writing one file: nothing to check before it runs.
ScriptCommandTable::Prepare writingFile(void (*write)(const std::string&, ScriptContext&)) {
    return [write](const ScriptCommandTable::Arguments& arguments) -> ScriptCommandTable::Action {
        return
            [write, fileName = arguments[0]](ScriptContext& context) { write(fileName, context); };
    };
}

}  // namespace

void addCaptureCommands(ScriptCommandTable& commands) {
    commands.add("screenshot", {"screenshot FILE.png", 1, 1, writingFile(screenshot)});
    commands.add("dump-tree", {"dump-tree FILE.json", 1, 1, writingFile(dumpTree)});
}
