#include "sim/DateText.h"

#include <cmath>
#include <ctime>

namespace {
// Seconds between the Unix epoch and the platform's reference date.
constexpr double kUnixToReferenceDate = 978307200;
}  // namespace

std::string dateText(double secondsSinceReferenceDate) {
    const double unixSeconds = secondsSinceReferenceDate + kUnixToReferenceDate;
    if (!std::isfinite(unixSeconds)) return "(no date)";
    std::time_t unix = static_cast<std::time_t>(std::floor(unixSeconds));
    std::tm utc{};
    if (gmtime_r(&unix, &utc) == nullptr) return "(no date)";
    char buffer[64];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S +0000", &utc);
    return buffer;
}
