#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// Starts the simulator's process again with these arguments, in place of the running one (it
// doesn't return when it works); throws std::runtime_error when it can't.
using RestartProcess = std::function<void(const std::vector<std::string>& arguments)>;

// What only plakko-sim's own process gives a run: starting itself again, and the program its
// apps' processes run (plakko-sim itself).
struct OwnProcess {
    RestartProcess restart;
    std::filesystem::path program;
};

// plakko-sim [--device NAME] [--ios VERSION] [--root DIR] [--scene NAME] [--headless]
//            [--script FILE|-] [--convergance on|off]
//
// Runs the simulated device: in a window when a display is available; headless on virtual time
// with --headless or --script, driven by the script (read from `in` for "-") or, without one,
// through the built-in tour; and through the tour, after saying so, when no window can be opened.
// A script from a file is checked whole before it runs; one from `in` is read line by line as it
// comes. A respring restarts the process with `process.restart`, and apps open in processes of
// `process.program`; without them (a caller that isn't plakko-sim's own process) a respring fails
// and no app opens. However the run ends (its end, an error, a
// termination signal, a respring), the main run loop's last turn is finished first and the apps
// are ended (they finish theirs), so the device's pending preference writes reach their files.
// Gives the exit status: 0 done, 1 failed (the reason on `err`), 2 bad usage, 128 + N after signal
// N.
int runSimulator(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                 std::ostream& err, const OwnProcess& process = {});
