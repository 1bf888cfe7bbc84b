#include "sim/PlistDescription.h"

#include <charconv>
#include <cmath>

#include "sim/DateText.h"

namespace {

constexpr char kIndent[] = "    ";

bool needsQuotes(const std::string& text) {
    if (text.empty()) return true;
    for (char c : text) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '_' || c == '.';
        if (!plain) return true;
    }
    return false;
}

std::string quoted(const std::string& text) {
    if (!needsQuotes(text)) return text;
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string shortestReal(const PlistValue::Real& real) {
    if (!std::isfinite(real.value))
        return std::isnan(real.value) ? "nan" : (real.value > 0 ? "inf" : "-inf");
    char buffer[64];
    auto result = real.isFloat32 ? std::to_chars(buffer, buffer + sizeof buffer,
                                                 static_cast<float>(real.value))
                                 : std::to_chars(buffer, buffer + sizeof buffer, real.value);
    return std::string(buffer, result.ptr);
}

std::string dataText(const PlistValue::Data& bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "<";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 4 == 0) out += ' ';
        out += kHex[bytes[i] >> 4];
        out += kHex[bytes[i] & 0xf];
    }
    return out + ">";
}

void describe(const PlistValue& value, const std::string& indent, std::string& out) {
    switch (value.kind()) {
        case PlistValue::Kind::Boolean:
            out += *value.asBoolean() ? "1" : "0";
            break;
        case PlistValue::Kind::Integer:
            out += std::to_string(*value.asInteger());
            break;
        case PlistValue::Kind::Real:
            out += shortestReal(*value.asReal());
            break;
        case PlistValue::Kind::String:
            out += quoted(*value.asString());
            break;
        case PlistValue::Kind::Data:
            out += dataText(*value.asData());
            break;
        case PlistValue::Kind::Date:
            out += quoted(dateText(value.asDate()->secondsSinceReferenceDate));
            break;
        case PlistValue::Kind::Array: {
            out += "(\n";
            const auto& items = *value.asArray();
            for (size_t i = 0; i < items.size(); ++i) {
                out += indent + kIndent;
                describe(items[i], indent + kIndent, out);
                out += i + 1 < items.size() ? ",\n" : "\n";
            }
            out += indent + ")";
            break;
        }
        case PlistValue::Kind::Dictionary: {
            out += "{\n";
            for (const auto& [key, item] : *value.asDictionary()) {
                out += indent + kIndent + quoted(key) + " = ";
                describe(item, indent + kIndent, out);
                out += ";\n";
            }
            out += indent + "}";
            break;
        }
    }
}

}  // namespace

std::string describePlist(const PlistValue& value) {
    std::string out;
    describe(value, "", out);
    return out;
}

std::string describeTopLevelValue(const PlistValue& value) {
    if (const std::string* text = value.asString()) return *text;
    return describePlist(value);
}
