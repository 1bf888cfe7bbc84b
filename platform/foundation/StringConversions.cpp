#include "platform/foundation/StringConversions.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace StringConversions {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view skipWhitespace(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    return text.substr(i);
}

size_t digitRun(std::string_view text, size_t from) {
    size_t i = from;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i - from;
}

}  // namespace

bool boolValue(std::string_view text) {
    text = skipWhitespace(text);
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.remove_prefix(1);
    while (!text.empty() && text[0] == '0')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    char c = text[0];
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

int intValue(std::string_view text) {
    text = skipWhitespace(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text.substr(0, digitRun(text, 0))) {
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double doubleValue(std::string_view text) {
    text = skipWhitespace(text);
    // Measure the number's extent first: sign, digits, fraction, exponent.
    size_t end = 0;
    bool negative = false;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
        negative = text[end] == '-';
        ++end;
    }
    const size_t mantissaStart = end;
    size_t digits = digitRun(text, end);
    end += digits;
    if (end < text.size() && text[end] == '.') {
        size_t fraction = digitRun(text, end + 1);
        digits += fraction;
        end += 1 + fraction;
    }
    if (digits == 0)
        return 0.0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (size_t run = digitRun(text, exponent); run > 0)
            end = exponent + run;
    }
    std::string_view number = text.substr(mantissaStart, end - mantissaStart);
    double value = 0.0;
    auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: tell overflow from underflow by the exponent's sign.
        auto e = number.find_first_of("eE");
        bool tiny = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

float floatValue(std::string_view text) {
    return static_cast<float>(doubleValue(text));
}

int compareNumeric(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            size_t runA = digitRun(a, i), runB = digitRun(b, j);
            std::string_view numA = a.substr(i, runA), numB = b.substr(j, runB);
            while (numA.size() > 1 && numA[0] == '0')
                numA.remove_prefix(1);
            while (numB.size() > 1 && numB[0] == '0')
                numB.remove_prefix(1);
            if (numA.size() != numB.size())
                return numA.size() < numB.size() ? -1 : 1;
            if (int c = numA.compare(numB); c != 0)
                return c < 0 ? -1 : 1;
            i += runA;
            j += runB;
        } else {
            if (a[i] != b[j])
                return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
            ++i;
            ++j;
        }
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

}  // namespace StringConversions
