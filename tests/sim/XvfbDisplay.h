#pragma once

#include <optional>
#include <string>

#include <sys/types.h>

// A private X server for one test: Xvfb on a free display number, named in DISPLAY (with SDL
// told to use X11) while the object lives. When Xvfb is missing or doesn't start, problem()
// says why and the environment is left alone.
class XvfbDisplay {
public:
    // `screen` is Xvfb's: width x height x depth.
    explicit XvfbDisplay(const std::string& screen = "1280x1024x24");
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    // Empty while the server runs.
    const std::string& problem() const { return problem_; }

    // Called first in a child process that runs a window on this display: should the window
    // never finish, the child ends by SIGALRM within a minute and the test fails by name.
    static void limitWindowRun();

private:
    void start(int display, const std::string& screen);

    pid_t server_ = 0;
    std::string problem_;
    std::optional<std::string> previousDisplay_, previousDriver_;
};
