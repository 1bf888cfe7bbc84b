#include "tests/sim/XvfbDisplay.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(10);
// Far beyond a window run's few seconds, even in a sanitizer build on a busy machine.
constexpr unsigned kWindowRunSeconds = 60;

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (::access((std::filesystem::path(folder) / program).c_str(), X_OK) == 0) return true;
    }
    return false;
}

bool displayInUse(int display) {
    const std::string number = std::to_string(display);
    return std::filesystem::exists("/tmp/.X11-unix/X" + number) ||
           std::filesystem::exists("/tmp/.X" + number + "-lock");
}

std::optional<std::string> exchangeVariable(const char* name, const std::string& value) {
    const char* old = std::getenv(name);
    std::optional<std::string> previous = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv(name, value.c_str(), 1);
    return previous;
}

void restoreVariable(const char* name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

}  // namespace

XvfbDisplay::XvfbDisplay(const std::string& screen) {
    if (!onPath("Xvfb")) {
        problem_ = "Xvfb is not installed";
        return;
    }
    // Test processes run side by side: each starts looking at a number of its own, so two of them
    // rarely pick the same free display before either server has claimed it.
    int display = 90 + static_cast<int>(::getpid() % 50);
    while (displayInUse(display) && display < 190) ++display;
    start(display, screen);
    if (!problem_.empty()) return;
    previousDisplay_ = exchangeVariable("DISPLAY", ":" + std::to_string(display));
    previousDriver_ = exchangeVariable("SDL_VIDEODRIVER", "x11");
}

void XvfbDisplay::start(int display, const std::string& screen) {
    const std::string name = ":" + std::to_string(display);
    std::vector<std::string> words = {"Xvfb", name, "-screen", "0", screen, "-nolisten", "tcp"};
    std::vector<char*> arguments;
    for (std::string& word : words) arguments.push_back(word.data());
    arguments.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int error = posix_spawnp(&server_, "Xvfb", &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        server_ = 0;
        problem_ = "Xvfb can't be started";
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(display);
    while (!std::filesystem::exists(socket)) {
        if (::waitpid(server_, nullptr, WNOHANG) == server_) {
            server_ = 0;
            problem_ = "Xvfb " + name + " stopped at once";
            return;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            problem_ = "Xvfb " + name + " did not come up";
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

XvfbDisplay::~XvfbDisplay() {
    if (problem_.empty()) {
        restoreVariable("DISPLAY", previousDisplay_);
        restoreVariable("SDL_VIDEODRIVER", previousDriver_);
    }
    if (server_ != 0) {
        ::kill(server_, SIGTERM);
        ::waitpid(server_, nullptr, 0);
    }
}

void XvfbDisplay::limitWindowRun() {
    ::alarm(kWindowRunSeconds);
}
