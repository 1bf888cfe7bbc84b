#include "sim/AppForwarding.h"

#include <stdexcept>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/springboard/SBAppSwitcher.h"
#include "platform/springboard/SBApplication.h"
#include "platform/springboard/SpringBoard.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptError.h"

namespace {

constexpr const char* kAppCommands[] = {"type",           "key",         "tap-row", "back",
                                        "memory-warning", "alert-button"};

// Runs the command in the app in front; false when no app is in front of the unlocked device.
// SpringBoard's time catches up with the app's, which the command may have moved on.
bool runInFrontApplication(const std::vector<std::string>& words) {
    SpringBoard& springBoard = SpringBoard::shared();
    if (!springBoard.isBooted() || springBoard.isLocked()) return false;
    double appTime = 0;
    try {
        if (!springBoard.appSwitcher().askFrontApplication(
                [&](SBApplication& app) { appTime = app.runCommand(words); })) {
            return false;
        }
    } catch (const std::runtime_error& error) {
        throw ScriptError(error.what());
    }
    if (appTime > NSDate::now()) NSRunLoop::mainRunLoop().runUntilDate(appTime);
    return true;
}

}  // namespace

void forwardToFrontApplication(ScriptCommandTable& commands) {
    for (const char* name : kAppCommands) {
        const ScriptCommandTable::Command* local = commands.find(name);
        if (!local) continue;
        ScriptCommandTable::Command forwarded = *local;
        forwarded.prepare = [name = std::string(name), prepare = local->prepare](
                                const ScriptCommandTable::Arguments& arguments) {
            ScriptCommandTable::Action here = prepare(arguments);
            std::vector<std::string> words{name};
            words.insert(words.end(), arguments.begin(), arguments.end());
            return [here = std::move(here), words = std::move(words)](ScriptContext& context) {
                if (!runInFrontApplication(words)) here(context);
            };
        };
        commands.add(name, std::move(forwarded));
    }
}
