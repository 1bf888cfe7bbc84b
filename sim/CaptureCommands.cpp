#include "sim/CaptureCommands.h"

#include <fstream>

#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/PNGCodec.h"
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

void screenshot(const ScriptCommandTable::Arguments& arguments, ScriptContext& context) {
    finishTurn();
    context.screen.render();
    const auto path = context.resolve(arguments[0]);
    if (!PNGCodec::writeFile(*context.screen.compositor().snapshot(), path.string())) {
        throw ScriptError("can't write the screenshot " + path.string());
    }
}

void dumpTree(const ScriptCommandTable::Arguments& arguments, ScriptContext& context) {
    finishTurn();
    context.screen.render();  // lays out what a frame would show, such as a table's rows
    const auto tree =
        viewTreeDump(UIScreen::mainScreen(), UIApplication::sharedApplication().windows());
    const auto path = context.resolve(arguments[0]);
    std::ofstream file(path);
    file << tree.dump(2) << "\n";
    file.close();
    if (!file) throw ScriptError("can't write the view tree " + path.string());
}

}  // namespace

void addCaptureCommands(ScriptCommandTable& commands) {
    commands.add("screenshot", {"screenshot FILE.png", 1, 1, screenshot});
    commands.add("dump-tree", {"dump-tree FILE.json", 1, 1, dumpTree});
}
