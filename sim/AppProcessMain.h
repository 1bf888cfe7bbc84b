#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// plakko-sim app --scene settings|notes [--device NAME] [--ios VERSION] [--root DIR]
//
// An app's process, as SpringBoard starts it: the channel on descriptor 3, the frame buffer on
// descriptor 4 (see AppProcess). It launches the app when asked, then answers SpringBoard's
// requests one at a time: its clock follows SpringBoard's (virtual time, in lock-step), fingers
// and keys go to the app, script commands run in it, and after each request its screen is drawn
// into the frame buffer. It ends when SpringBoard closes the channel or a termination signal
// comes, the main run loop's last turn finished first, so its preference writes land. Gives the
// exit status: 0 ended, 1 failed (the reason on `err`), 2 bad usage, 128 + N after signal N.
int runAppProcess(const std::vector<std::string>& arguments, std::ostream& err);
