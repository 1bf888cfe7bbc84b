#include "platform/springboard/SBClockText.h"

#include <ctime>

#include "platform/foundation/Clock.h"

namespace {

// Seconds between the Unix epoch and the platform's reference date.
constexpr double kUnixToReferenceDate = 978307200;

std::string format(const char* pattern) {
    const std::time_t now = static_cast<std::time_t>(NSDate::now() + kUnixToReferenceDate);
    std::tm time{};
    gmtime_r(&now, &time);
    char text[64];
    std::strftime(text, sizeof text, pattern, &time);
    return text;
}

std::string withoutLeadingZero(std::string text) {
    if (text.size() > 1 && text.front() == '0') text.erase(0, 1);
    return text;
}

}  // namespace

std::string SBClockTimeText() {
    return withoutLeadingZero(format("%I:%M"));
}

std::string SBClockDateText() {
    std::string weekdayAndMonth = format("%A, %B ");
    return weekdayAndMonth + withoutLeadingZero(format("%d"));
}
