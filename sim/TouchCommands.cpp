#include "sim/TouchCommands.h"

#include <cmath>
#include <memory>
#include <optional>
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

struct Movement {
    double seconds;
    int steps;
};

// The optional SECONDS and STEPS of a movement, from argument `first` on.
Movement movementArguments(const Arguments& arguments, size_t first) {
    return {arguments.size() > first ? secondsArgument(arguments[first]) : kDefaultDragDuration,
            arguments.size() > first + 1 ? stepsArgument(arguments[first + 1]) : kDefaultDragSteps};
}

// Lets virtual time pass while the finger rests, so that timers (a long press) fire on the way.
void hold(double seconds) {
    NSRunLoop::mainRunLoop().runUntilDate(NSDate::now() + seconds);
}

// One finger for every script command. A gesture command lifts it before it returns; touch-down
// leaves it down until touch-up, so that a script can look at the screen mid-gesture.
class ScriptFinger {
public:
    void press(CGPoint point, double seconds) {
        down(point);
        hold(seconds);
        up();
    }

    void drag(CGPoint from, CGPoint to, double seconds, int steps) {
        down(from);
        moveTo(to, seconds, steps);
        up();
    }

    // A finger still down from touch-down is let go first.
    void down(CGPoint point) {
        fingers_.fingerDown(point);
        at_ = point;
    }

    void moveTo(CGPoint to, double seconds, int steps) {
        const CGPoint from = requireDown("touch-move");
        const double start = NSDate::now();
        for (int step = 1; step <= steps; ++step) {
            const double progress = static_cast<double>(step) / steps;
            NSRunLoop::mainRunLoop().runUntilDate(start + seconds * progress);
            at_ = {from.x + (to.x - from.x) * progress, from.y + (to.y - from.y) * progress};
            fingers_.fingerMoved(*at_);
        }
    }

    // Lifts the finger where it is, or at `point` (the window's finger may move as it lifts).
    void up(std::optional<CGPoint> point = std::nullopt) {
        const CGPoint at = requireDown("touch-up");
        fingers_.fingerUp(point.value_or(at));
        at_.reset();
    }

    void cancel() {
        requireDown("touch-cancel");
        fingers_.fingerCancelled();
        at_.reset();
    }

private:
    CGPoint requireDown(const char* command) const {
        if (!at_)
            throw ScriptError(std::string(command) + ": no finger is down (touch-down first)");
        return *at_;
    }

    DeviceFingers fingers_;
    // Where the finger is while it is down.
    std::optional<CGPoint> at_;
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
                              const Movement movement = movementArguments(arguments, 4);
                              return [finger, from, to, movement](ScriptContext&) {
                                  finger->drag(from, to, movement.seconds, movement.steps);
                              };
                          }});
    commands.add("touch-down",
                 {"touch-down X Y", 2, 2, [finger](const Arguments& arguments) -> Action {
                      const CGPoint point = pointArgument(arguments, 0);
                      return [finger, point](ScriptContext&) { finger->down(point); };
                  }});
    commands.add("touch-move", {"touch-move X Y [SECONDS [STEPS]]", 2, 4,
                                [finger](const Arguments& arguments) -> Action {
                                    const CGPoint to = pointArgument(arguments, 0);
                                    const Movement movement = movementArguments(arguments, 2);
                                    return [finger, to, movement](ScriptContext&) {
                                        finger->moveTo(to, movement.seconds, movement.steps);
                                    };
                                }});
    commands.add("touch-up",
                 {"touch-up [X Y]", 0, 2, [finger](const Arguments& arguments) -> Action {
                      if (arguments.size() == 1)
                          throw ScriptError("touch-up takes no point or both X and Y");
                      std::optional<CGPoint> point;
                      if (!arguments.empty()) point = pointArgument(arguments, 0);
                      return [finger, point](ScriptContext&) { finger->up(point); };
                  }});
    commands.add("touch-cancel", {"touch-cancel", 0, 0, [finger](const Arguments&) -> Action {
                                      return [finger](ScriptContext&) { finger->cancel(); };
                                  }});
}
