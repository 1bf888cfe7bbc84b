#include "platform/settings/PSSpecifier.h"

#include <array>
#include <utility>

#include "platform/runtime/Runtime.h"

namespace {

constexpr std::array<std::pair<std::string_view, PSCellType>, 15> kCellTypeNames{{
    {"PSGroupCell", PSGroupCell},
    {"PSLinkCell", PSLinkCell},
    {"PSLinkListCell", PSLinkListCell},
    {"PSListItemCell", PSListItemCell},
    {"PSTitleValueCell", PSTitleValueCell},
    {"PSSliderCell", PSSliderCell},
    {"PSSwitchCell", PSSwitchCell},
    {"PSStaticTextCell", PSStaticTextCell},
    {"PSEditTextCell", PSEditTextCell},
    {"PSSegmentCell", PSSegmentCell},
    {"PSGiantIconCell", PSGiantIconCell},
    {"PSGiantCell", PSGiantCell},
    {"PSSecureEditTextCell", PSSecureEditTextCell},
    {"PSButtonCell", PSButtonCell},
    {"PSEditTextViewCell", PSEditTextViewCell},
}};

}  // namespace

Class PSSpecifier::classObject() {
    static const Class cls = defineClass<PSSpecifier>("PSSpecifier", NSObject::classObject());
    return cls;
}

PSSpecifier::PSSpecifier(std::string name, PSCellType cellType, PlistDictionary properties)
    : name_(std::move(name)), cellType_(cellType), properties_(std::move(properties)) {}

std::optional<PSCellType> PSSpecifier::cellTypeNamed(std::string_view name) {
    for (const auto& [typeName, type] : kCellTypeNames) {
        if (typeName == name) return type;
    }
    return std::nullopt;
}

std::string PSSpecifier::identifier() const {
    return stringProperty("id").value_or(name_);
}

const PlistValue* PSSpecifier::propertyForKey(std::string_view key) const {
    auto it = properties_.find(key);
    return it != properties_.end() ? &it->second : nullptr;
}

void PSSpecifier::setProperty_forKey(PlistValue value, const std::string& key) {
    properties_.insert_or_assign(key, std::move(value));
}

void PSSpecifier::removePropertyForKey(std::string_view key) {
    if (auto it = properties_.find(key); it != properties_.end()) properties_.erase(it);
}

std::optional<std::string> PSSpecifier::stringProperty(std::string_view key) const {
    const PlistValue* value = propertyForKey(key);
    if (value == nullptr || value->asString() == nullptr) return std::nullopt;
    return *value->asString();
}

std::optional<double> PSSpecifier::numberProperty(std::string_view key) const {
    const PlistValue* value = propertyForKey(key);
    if (value == nullptr || !value->isNumber()) return std::nullopt;
    return value->doubleValue();
}

bool PSSpecifier::boolProperty(std::string_view key, bool fallback) const {
    const PlistValue* value = propertyForKey(key);
    return value != nullptr && value->isNumber() ? value->boolValue() : fallback;
}
