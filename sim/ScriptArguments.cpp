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
