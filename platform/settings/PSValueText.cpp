#include "platform/settings/PSValueText.h"

#include <cmath>
#include <cstdio>

#include "platform/settings/PSSpecifier.h"

namespace PSValueText {

std::string numberText(double number) {
    if (!std::isfinite(number)) return "";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", number);
    std::string result = text;
    while (result.back() == '0') result.pop_back();
    if (result.back() == '.') result.pop_back();
    return result == "-0" ? "0" : result;
}

std::string valueText(const PlistValue& value) {
    if (const std::string* string = value.asString()) return *string;
    if (const bool* boolean = value.asBoolean()) return *boolean ? "On" : "Off";
    if (value.isNumber()) return numberText(value.doubleValue());
    return "";
}

bool sameValue(const PlistValue& a, const PlistValue& b) {
    if (a.isNumber() && b.isNumber() && !a.asBoolean() && !b.asBoolean())
        return a.doubleValue() == b.doubleValue();
    return a == b;
}

long indexOfValidValue(const PSSpecifier& specifier, const PlistValue& value) {
    const PlistValue* values = specifier.propertyForKey("validValues");
    if (values == nullptr || values->asArray() == nullptr) return -1;
    const auto& choices = *values->asArray();
    for (size_t index = 0; index < choices.size(); ++index) {
        if (sameValue(choices[index], value)) return static_cast<long>(index);
    }
    return -1;
}

std::string titleOfChoice(const PSSpecifier& specifier, size_t index) {
    const PlistValue* titles = specifier.propertyForKey("validTitles");
    if (titles != nullptr && titles->asArray() != nullptr && index < titles->asArray()->size()) {
        const PlistValue& title = (*titles->asArray())[index];
        if (title.asString()) return *title.asString();
    }
    const PlistValue* values = specifier.propertyForKey("validValues");
    if (values != nullptr && values->asArray() != nullptr && index < values->asArray()->size())
        return valueText((*values->asArray())[index]);
    return "";
}

std::string titleForValue(const PSSpecifier& specifier, const PlistValue& value) {
    const long index = indexOfValidValue(specifier, value);
    return index >= 0 ? titleOfChoice(specifier, static_cast<size_t>(index)) : valueText(value);
}

}  // namespace PSValueText
