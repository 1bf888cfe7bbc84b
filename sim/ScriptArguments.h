#pragma once

#include <string>
#include <string_view>
#include <vector>

// Readings of script arguments that commands share. Each throws ScriptError naming the argument
// when the text doesn't fit.

// A finite decimal number ("2", "0.25", "-3.5e1").
double numberArgument(const std::string& text);

// Arguments that make one text, such as a label: joined by single spaces.
std::string restOfLine(const std::vector<std::string>& arguments);

// What a script writer puts for an argument so that the reader gets `text` back exactly, whatever
// bytes it holds: in double quotes, with a backslash before each backslash and double quote and
// new lines as "\n".
std::string quotedArgument(std::string_view text);

// The shortest decimal that numberArgument reads back as `value` ("2", "0.25", "58.21").
std::string numberText(double value);
