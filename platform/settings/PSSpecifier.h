#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/PlistValue.h"
#include "platform/runtime/NSObject.h"

// The kinds of row a specifier list can ask for, by the platform's numbers.
enum PSCellType : int {
    PSGroupCell = 0,
    PSLinkCell = 1,
    PSLinkListCell = 2,
    PSListItemCell = 3,
    PSTitleValueCell = 4,
    PSSliderCell = 5,
    PSSwitchCell = 6,
    PSStaticTextCell = 7,
    PSEditTextCell = 8,
    PSSegmentCell = 9,
    PSGiantIconCell = 10,
    PSGiantCell = 11,
    PSSecureEditTextCell = 12,
    PSButtonCell = 13,
    PSEditTextViewCell = 14,
};

// One row of a settings pane, made from one item of a specifier property list: its label
// ("label"), identifier ("id", else the label), kind of cell ("cell"), the object its actions go
// to (the target, not owned) and every property of the item, which the pane and the cells read
// ("key", "defaults", "default", "min", "validValues", ...).
class PSSpecifier : public NSObject {
    RUNTIME_CLASS(PSSpecifier)
    PSSpecifier() = default;
    PSSpecifier(std::string name, PSCellType cellType, PlistDictionary properties);

    // The cell type named by a "cell" value ("PSSwitchCell"); nothing for a name it doesn't know.
    static std::optional<PSCellType> cellTypeNamed(std::string_view name);

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    std::string identifier() const;
    PSCellType cellType() const { return cellType_; }
    std::shared_ptr<NSObject> target() const { return target_.lock(); }
    void setTarget(const std::shared_ptr<NSObject>& target) { target_ = target; }

    const PlistDictionary& properties() const { return properties_; }
    // Null when the item has no such property.
    const PlistValue* propertyForKey(std::string_view key) const;
    void setProperty_forKey(PlistValue value, const std::string& key);
    void removePropertyForKey(std::string_view key);

    // Readings of properties: nothing (or `fallback`) when absent or of another kind.
    std::optional<std::string> stringProperty(std::string_view key) const;
    std::optional<double> numberProperty(std::string_view key) const;
    bool boolProperty(std::string_view key, bool fallback) const;

private:
    std::string name_;
    PSCellType cellType_ = PSStaticTextCell;
    PlistDictionary properties_;
    std::weak_ptr<NSObject> target_;
};
