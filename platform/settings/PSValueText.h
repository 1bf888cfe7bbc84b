#pragma once

#include <string>

#include "platform/foundation/PlistValue.h"

class PSSpecifier;

// How settings rows show values and compare them with their choices.
namespace PSValueText {

// Numbers with at most two decimals and no trailing zeros ("20", "0.5", "0.75").
std::string numberText(double number);
// A string as it is, a number as above, a boolean as "On" or "Off".
std::string valueText(const PlistValue& value);
// Numbers compare by value whatever their kind (a stored 3.0 is the choice 3); other values
// compare by kind and contents.
bool sameValue(const PlistValue& a, const PlistValue& b);
// The position of `value` in the row's "validValues"; -1 when it isn't one of them.
long indexOfValidValue(const PSSpecifier& specifier, const PlistValue& value);
// The title of the row's choice at `index`: its "validTitles" entry when that is a string, else
// its "validValues" entry as text.
std::string titleOfChoice(const PSSpecifier& specifier, size_t index);
// The title a choice list gives `value` ("validTitles" at its position), else the value as text.
std::string titleForValue(const PSSpecifier& specifier, const PlistValue& value);

}  // namespace PSValueText
