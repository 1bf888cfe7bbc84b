#include "sim/ScriptArguments.h"

#include <charconv>
#include <cmath>

#include "sim/ScriptError.h"

double numberArgument(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        throw ScriptError("\"" + text + "\" is not a number");
    }
    return value;
}

std::string restOfLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& word : arguments) line += (line.empty() ? "" : " ") + word;
    return line;
}

std::string quotedArgument(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\n') {
            quoted += "\\n";
        } else {
            if (c == '\\' || c == '"') quoted += '\\';
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string numberText(double value) {
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end);
}
