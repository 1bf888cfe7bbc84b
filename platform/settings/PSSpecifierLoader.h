#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/PlistValue.h"

class NSObject;
class PSSpecifier;

// Turns specifier property lists into rows. A list is a dictionary with "items" (an array of
// item dictionaries) and an optional "title". Bad input is logged in one line and left out: an
// unreadable list gives no rows, an item that isn't a dictionary or has no "cell" is skipped, and
// an item whose "cell" names no known kind becomes a plain row showing its label.
namespace PSSpecifierLoader {

struct SpecifierList {
    std::string title;
    std::vector<std::shared_ptr<PSSpecifier>> specifiers;
};

// The list in the property-list file (XML or binary) at `devicePath`; actions go to `target`.
SpecifierList loadSpecifierList(const std::string& devicePath,
                                const std::shared_ptr<NSObject>& target);

// One item; nothing (logged, naming `source`) when it can't make a row.
std::shared_ptr<PSSpecifier> specifierFromItem(const PlistValue& item,
                                               const std::shared_ptr<NSObject>& target,
                                               const std::string& source);

}  // namespace PSSpecifierLoader
