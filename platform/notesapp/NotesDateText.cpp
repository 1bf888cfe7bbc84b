#include "platform/notesapp/NotesDateText.h"

#include <cmath>
#include <ctime>
#include <optional>

namespace {

// Seconds between the Unix epoch and the platform's reference date.
constexpr double kUnixToReferenceDate = 978307200;
// 0001-01-01 and 9999-12-31 23:59:59, in Unix seconds.
constexpr double kEarliestUnix = -62135596800.0;
constexpr double kLatestUnix = 253402300799.0;
constexpr double kSecondsPerDay = 86400;

std::optional<std::tm> calendarTime(double date) {
    const double unix = date + kUnixToReferenceDate;
    if (!std::isfinite(unix) || unix < kEarliestUnix || unix > kLatestUnix) return std::nullopt;
    const std::time_t seconds = static_cast<std::time_t>(std::floor(unix));
    std::tm time{};
    if (gmtime_r(&seconds, &time) == nullptr) return std::nullopt;
    return time;
}

std::string format(const std::tm& time, const char* pattern) {
    char text[64];
    const size_t length = std::strftime(text, sizeof text, pattern, &time);
    return std::string(text, length);
}

std::string number(int value) {
    return std::to_string(value);
}

// "9:41 AM": the hour without its leading zero.
std::string clockText(const std::tm& time) {
    const int hour = time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12;
    return number(hour) + format(time, ":%M %p");
}

long long dayNumber(double unixSeconds) {
    return static_cast<long long>(std::floor(unixSeconds / kSecondsPerDay));
}

}  // namespace

std::string notesListDateText(double date, double now) {
    const auto time = calendarTime(date);
    if (!time) return "";
    if (std::isfinite(now)) {
        const long long days =
            dayNumber(now + kUnixToReferenceDate) - dayNumber(date + kUnixToReferenceDate);
        if (days == 0) return clockText(*time);
        if (days == 1) return "Yesterday";
    }
    return number(time->tm_mon + 1) + "/" + number(time->tm_mday) + "/" + format(*time, "%y");
}

std::string notesPageDateText(double date) {
    const auto time = calendarTime(date);
    if (!time) return "";
    return format(*time, "%B ") + number(time->tm_mday) + ", " + number(time->tm_year + 1900) +
           ", " + clockText(*time);
}
