#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// plakko-sim wheel DIAMETER [--scale S] [--padding P] -o FILE.png
//
// Writes the colour wheel bitmap that a wheel view of DIAMETER points shows on a screen of scale
// S (default 2) with P points of padding (default 11, the view's) as a PNG file. Gives the exit
// status: 0 done, 1 failed (the reason on `err`), 2 bad usage.
int runWheelCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);
