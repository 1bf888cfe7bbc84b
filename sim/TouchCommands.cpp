#include "sim/TouchCommands.h"

#include <cmath>
#include <memory>
#include <string>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "sim/DeviceFingers.h"
#include "sim/ScriptArguments.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptError.h"

namespace {

// A finger's quick touch, and the pause between the tap and the press of a tap-press: both well
// inside the platform's gap between taps.
constexpr double kTapDuration = 0.05;
constexpr double kTapToPressGap = 0.1;
constexpr double kDefaultDragDuration = 0.3;
constexpr int kDefaultDragSteps = 10;
// Limits that catch typos without getting in a real script's way.
constexpr double kLongestGesture = 60;
constexpr int kMostDragSteps = 10000;

using Arguments = ScriptCommandTable::Arguments;

CGPoint pointArgument(const Arguments& arguments, size_t first) {
    return {numberArgument(arguments[first]), numberArgument(arguments[first + 1])};
}

double secondsArgument(const std::string& text) {
    const double seconds = numberArgument(text);
    if (seconds < 0 || seconds > kLongestGesture) {
        throw ScriptError("a finger's gesture takes 0 to " +
                          std::to_string(static_cast<int>(kLongestGesture)) + " seconds, not " +
                          text);
    }
    return seconds;
}

int stepsArgument(const std::string& text) {
    const double steps = numberArgument(text);
    if (steps < 1 || steps > kMostDragSteps || std::floor(steps) != steps) {
        throw ScriptError("a drag takes a whole number of 1 to " + std::to_string(kMostDragSteps) +
                          " steps, not " + text);
    }
    return static_cast<int>(steps);
}

// Lets virtual time pass while the finger rests, so that timers (a long press) fire on the way.
void hold(double seconds) {
    NSRunLoop::mainRunLoop().runUntilDate(NSDate::now() + seconds);
}

// One finger for every script command; each command lifts it before it returns.
class ScriptFinger {
public:
    void press(CGPoint point, double seconds) {
        fingers_.fingerDown(point);
        hold(seconds);
        fingers_.fingerUp(point);
    }

    void drag(CGPoint from, CGPoint to, double seconds, int steps) {
        fingers_.fingerDown(from);
        const double start = NSDate::now();
        for (int step = 1; step <= steps; ++step) {
            const double progress = static_cast<double>(step) / steps;
            NSRunLoop::mainRunLoop().runUntilDate(start + seconds * progress);
            fingers_.fingerMoved(
                {from.x + (to.x - from.x) * progress, from.y + (to.y - from.y) * progress});
        }
        fingers_.fingerUp(to);
    }

private:
    DeviceFingers fingers_;
};

}  // namespace

void addTouchCommands(ScriptCommandTable& commands) {
    using Action = ScriptCommandTable::Action;
    const auto finger = std::make_shared<ScriptFinger>();
    commands.add("tap", {"tap X Y", 2, 2, [finger](const Arguments& arguments) -> Action {
                             const CGPoint point = pointArgument(arguments, 0);
                             return [finger, point](ScriptContext&) {
                                 finger->press(point, kTapDuration);
                             };
                         }});
    commands.add("press",
                 {"press X Y SECONDS", 3, 3, [finger](const Arguments& arguments) -> Action {
                      const CGPoint point = pointArgument(arguments, 0);
                      const double seconds = secondsArgument(arguments[2]);
                      return [finger, point, seconds](ScriptContext&) {
                          finger->press(point, seconds);
                      };
                  }});
    commands.add("tap-press",
                 {"tap-press X Y SECONDS", 3, 3, [finger](const Arguments& arguments) -> Action {
                      const CGPoint point = pointArgument(arguments, 0);
                      const double seconds = secondsArgument(arguments[2]);
                      return [finger, point, seconds](ScriptContext&) {
                          finger->press(point, kTapDuration);
                          hold(kTapToPressGap);
                          finger->press(point, seconds);
                      };
                  }});
    commands.add("drag", {"drag X1 Y1 X2 Y2 [SECONDS [STEPS]]", 4, 6,
                          [finger](const Arguments& arguments) -> Action {
                              const CGPoint from = pointArgument(arguments, 0);
                              const CGPoint to = pointArgument(arguments, 2);
                              const double seconds = arguments.size() > 4
                                                         ? secondsArgument(arguments[4])
                                                         : kDefaultDragDuration;
                              const int steps = arguments.size() > 5 ? stepsArgument(arguments[5])
                                                                     : kDefaultDragSteps;
                              return [finger, from, to, seconds, steps](ScriptContext&) {
                                  finger->drag(from, to, seconds, steps);
                              };
                          }});
}
