#pragma once

#include <string>
#include <vector>

// Readings of script arguments that commands share. Each throws ScriptError naming the argument
// when the text doesn't fit.

// A finite decimal number ("2", "0.25", "-3.5e1").
double numberArgument(const std::string& text);

// Arguments that make one text, such as a label: joined by single spaces.
std::string restOfLine(const std::vector<std::string>& arguments);
