#pragma once

#include <string_view>

// The numeric readings of a string, as the platform's string class makes them: leading white space
// is skipped, the longest number at the start is read, trailing text is ignored, and a string that
// does not start with a number reads as 0.
namespace StringConversions {

// True when the first character after white space, a sign and leading zeros is Y, y, T, t or 1-9.
bool boolValue(std::string_view text);
// Decimal integer; INT_MAX or INT_MIN when it overflows.
int intValue(std::string_view text);
// Decimal floating point (no "inf", "nan" or hexadecimal); ±HUGE_VAL when it overflows.
double doubleValue(std::string_view text);
float floatValue(std::string_view text);

// Comparison in which runs of digits compare by their numeric value: "7.10" > "7.9", "10" > "9".
// When one string is a prefix of the other, the shorter is smaller. Gives -1, 0 or 1.
int compareNumeric(std::string_view a, std::string_view b);

}  // namespace StringConversions
