#include "platform/settings/PSListItemsController.h"

#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSValueText.h"

namespace {

constexpr char kItemValue[] = "value";

std::string itemIdentifier(size_t index) {
    return "item-" + std::to_string(index);
}

}  // namespace

Class PSListItemsController::classObject() {
    static const Class cls = defineClass<PSListItemsController>("PSListItemsController",
                                                                PSListController::classObject());
    return cls;
}

PSListItemsController::PSListItemsController() = default;

const PSListController::Specifiers& PSListItemsController::specifiers() {
    if (!_specifiers.empty() || !specifier()) return _specifiers;
    const PlistValue* values = specifier()->propertyForKey("validValues");
    if (values == nullptr || values->asArray() == nullptr) return _specifiers;
    _specifiers.push_back(std::make_shared<PSSpecifier>("", PSGroupCell, PlistDictionary{}));
    const auto& choices = *values->asArray();
    for (size_t index = 0; index < choices.size(); ++index) {
        _specifiers.push_back(std::make_shared<PSSpecifier>(
            PSValueText::titleOfChoice(*specifier(), index), PSListItemCell,
            PlistDictionary{{"id", PlistValue::string(itemIdentifier(index))},
                            {kItemValue, choices[index]}}));
    }
    return _specifiers;
}

std::optional<PlistValue> PSListItemsController::readPreferenceValue(
    const PSSpecifier& item) const {
    auto parent = parentController();
    const PlistValue* value = item.propertyForKey(kItemValue);
    if (!parent || !specifier() || value == nullptr) return std::nullopt;
    const auto current = parent->readPreferenceValue(*specifier());
    return PlistValue::boolean(current && PSValueText::sameValue(*current, *value));
}

void PSListItemsController::didSelectSpecifier(const std::shared_ptr<PSSpecifier>& item) {
    const PlistValue* value = item->propertyForKey(kItemValue);
    auto parent = parentController();
    if (value == nullptr || !parent || !specifier()) return;
    parent->setPreferenceValue_specifier(*value, *specifier());
    refreshValues();
}
