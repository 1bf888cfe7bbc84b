#pragma once

#include <string>

// A platform date (seconds since 2001-01-01 UTC) as "2026-12-07 11:12:35 +0000".
std::string dateText(double secondsSinceReferenceDate);
