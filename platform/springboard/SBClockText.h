#pragma once

#include <string>

// The lock screen's clock and date for the current time, as "9:41" and "Monday, December 7".
std::string SBClockTimeText();
std::string SBClockDateText();
