#include "platform/foundation/SystemLog.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <mutex>

#include "platform/runtime/RuntimeReport.h"

namespace {

struct LogState {
    std::mutex mutex;
    int captures = 0;
    std::vector<std::string> captured;
};

LogState& logState() {
    static LogState state;
    return state;
}

// The runtime reports through the system log from the moment the platform is loaded.
[[maybe_unused]] const bool runtimeReportsToLog = (setRuntimeReporter(NSLog), true);

}  // namespace

void NSLog(std::string_view message) {
    LogState& state = logState();
    std::lock_guard lock(state.mutex);
    if (state.captures > 0) {
        state.captured.emplace_back(message);
        return;
    }
    std::fprintf(stderr, "%s[%d]: %.*s\n", program_invocation_short_name,
                 static_cast<int>(getpid()), static_cast<int>(message.size()), message.data());
}

SystemLogCapture::SystemLogCapture() {
    std::lock_guard lock(logState().mutex);
    if (logState().captures++ == 0) logState().captured.clear();
}

SystemLogCapture::~SystemLogCapture() {
    std::lock_guard lock(logState().mutex);
    --logState().captures;
}

std::vector<std::string> SystemLogCapture::messages() const {
    std::lock_guard lock(logState().mutex);
    return logState().captured;
}

size_t SystemLogCapture::count(std::string_view message) const {
    std::lock_guard lock(logState().mutex);
    const auto& captured = logState().captured;
    return static_cast<size_t>(std::count(captured.begin(), captured.end(), message));
}
