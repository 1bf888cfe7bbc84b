#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// plakko-sim [--device NAME] [--ios VERSION] [--root DIR] [--headless] [--script FILE|-]
//
// Runs the simulated device: in a window when a display is available; headless on virtual time
// with --headless or --script, driven by the script (read from `in` for "-") or, without one,
// through the built-in tour; and through the tour, after saying so, when no window can be opened.
// Gives the exit status: 0 done, 1 failed (the reason on `err`), 2 bad usage.
int runSimulator(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                 std::ostream& err);
