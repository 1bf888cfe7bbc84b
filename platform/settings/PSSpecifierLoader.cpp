#include "platform/settings/PSSpecifierLoader.h"

#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/SystemLog.h"
#include "platform/settings/PSSpecifier.h"

namespace PSSpecifierLoader {

SpecifierList loadSpecifierList(const std::string& devicePath,
                                const std::shared_ptr<NSObject>& target) {
    const auto list = PropertyListFile::dictionaryWithContentsOfFile(devicePath);
    if (!list) {
        NSLog("Preferences: can't read the specifier list " + devicePath +
              "; the pane has no rows");
        return {};
    }
    SpecifierList result;
    if (auto title = list->find("title"); title != list->end() && title->second.asString())
        result.title = *title->second.asString();
    auto items = list->find("items");
    if (items == list->end() || items->second.asArray() == nullptr) {
        NSLog("Preferences: the specifier list " + devicePath + " has no items array");
        return result;
    }
    for (const PlistValue& item : *items->second.asArray()) {
        if (auto specifier = specifierFromItem(item, target, devicePath))
            result.specifiers.push_back(std::move(specifier));
    }
    return result;
}

std::shared_ptr<PSSpecifier> specifierFromItem(const PlistValue& item,
                                               const std::shared_ptr<NSObject>& target,
                                               const std::string& source) {
    const PlistDictionary* properties = item.asDictionary();
    if (properties == nullptr) {
        NSLog("Preferences: " + source + ": an item that is not a dictionary is skipped");
        return nullptr;
    }
    std::string label;
    if (auto it = properties->find("label"); it != properties->end() && it->second.asString())
        label = *it->second.asString();
    auto cell = properties->find("cell");
    if (cell == properties->end() || cell->second.asString() == nullptr) {
        NSLog("Preferences: " + source + ": the item \"" + label + "\" has no cell and is skipped");
        return nullptr;
    }
    auto type = PSSpecifier::cellTypeNamed(*cell->second.asString());
    if (!type) {
        NSLog("Preferences: " + source + ": the item \"" + label + "\" has the unknown cell \"" +
              *cell->second.asString() + "\"; it is shown as plain text");
    }
    auto specifier =
        std::make_shared<PSSpecifier>(label, type.value_or(PSStaticTextCell), *properties);
    specifier->setTarget(target);
    return specifier;
}

}  // namespace PSSpecifierLoader
