#include "platform/runtime/RuntimeReport.h"

#include <atomic>
#include <cstdio>

namespace {

// Constant-initialised, so a reporter installed by another unit's initialiser is never lost.
std::atomic<RuntimeReporter> installedReporter{nullptr};

}  // namespace

void setRuntimeReporter(RuntimeReporter reporter) {
    installedReporter.store(reporter);
}

void runtimeReport(std::string_view message) {
    if (const RuntimeReporter reporter = installedReporter.load()) {
        reporter(message);
        return;
    }
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
}
