#pragma once

#include <string>

// How the Notes app writes a note's date (seconds since 2001-01-01, the platform's dates), in the
// device's time zone, UTC, as the lock screen's clock. A date that is not a number or lies outside
// the years 1 to 9999 is written as nothing.

// A list row's date, as of `now`: the time for a note of today ("9:41 AM"), "Yesterday" for one
// of the day before, otherwise the short date, month/day/year ("12/5/25"), also for dates after
// today.
std::string notesListDateText(double date, double now);

// The date at the top of a note's page: "December 7, 2026, 9:41 AM".
std::string notesPageDateText(double date);
