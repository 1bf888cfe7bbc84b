#include "sim/ClockCommands.h"

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "sim/ScriptArguments.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptError.h"

namespace {

// A day of virtual time is more than any script needs; the limit keeps a typo ("wait 1e9") from
// running the scene's timers for hours.
constexpr double kLongestWait = 24 * 60 * 60;

ScriptCommandTable::Action wait(const ScriptCommandTable::Arguments& arguments) {
    const double seconds = numberArgument(arguments[0]);
    if (seconds < 0 || seconds > kLongestWait) {
        throw ScriptError("wait takes 0 to " + std::to_string(static_cast<int>(kLongestWait)) +
                          " seconds, not " + arguments[0]);
    }
    return [seconds](ScriptContext&) {
        NSRunLoop::mainRunLoop().runUntilDate(NSDate::now() + seconds);
    };
}

}  // namespace

void addClockCommands(ScriptCommandTable& commands) {
    commands.add("wait", {"wait SECONDS", 1, 1, wait});
}
