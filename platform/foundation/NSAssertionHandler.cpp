#include "platform/foundation/NSAssertionHandler.h"

#include <atomic>
#include <cstdlib>

#include "platform/foundation/SystemLog.h"

namespace {
std::atomic<bool> throwsForTesting{false};
}

std::string NSAssertionHandler::sourceUnit(std::string_view file) {
    if (auto slash = file.find_last_of('/'); slash != std::string_view::npos) {
        file.remove_prefix(slash + 1);
    }
    if (auto dot = file.find('.'); dot != std::string_view::npos)
        file = file.substr(0, dot);
    return std::string(file);
}

void NSAssertionHandler::handleFailure(std::string_view function, std::string_view file,
                                       std::string_view condition, std::string_view description) {
    std::string heading =
        "*** Assertion failure in " + std::string(function) + ", " + sourceUnit(file);
    std::string detail = std::string(description) + " (" + std::string(condition) + ")";
    if (throwsForTesting.load())
        throw AssertionFailure(heading + ": " + detail);
    NSLog(heading);
    NSLog(detail);
    std::abort();
}

void NSAssertionHandler::setThrowsForTesting(bool throws) {
    throwsForTesting.store(throws);
}
