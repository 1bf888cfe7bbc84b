#include "platform/settings/PSListController.h"

#include <algorithm>
#include <stdexcept>

#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/NSNotificationCenter.h"
#include "platform/foundation/SystemLog.h"
#include "platform/runtime/Runtime.h"
#include "platform/settings/PSEditableTableCell.h"
#include "platform/settings/PSListItemsController.h"
#include "platform/settings/PSSegmentTableCell.h"
#include "platform/settings/PSSliderTableCell.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSSpecifierLoader.h"
#include "platform/settings/PSSwitchTableCell.h"
#include "platform/settings/PSUnavailableController.h"
#include "platform/settings/PSValueText.h"
#include "platform/settings/PreferenceBundleLoader.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIScreen.h"

namespace {

constexpr double kRemovalFadeDuration = 0.3;

bool inheritsFrom(Class cls, Class ancestor) {
    for (; cls != nullptr; cls = class_getSuperclass(cls)) {
        if (cls == ancestor) return true;
    }
    return false;
}

Class defaultCellClass(PSCellType type) {
    switch (type) {
        case PSSwitchCell:
            return PSSwitchTableCell::classObject();
        case PSSliderCell:
            return PSSliderTableCell::classObject();
        case PSSegmentCell:
            return PSSegmentTableCell::classObject();
        case PSEditTextCell:
        case PSSecureEditTextCell:
            return PSEditableTableCell::classObject();
        default:
            return PSTableCell::classObject();
    }
}

// Whether a value can be shown by the row: switches take numbers (booleans are numbers), sliders
// and numeric fields numbers other than booleans, text fields strings, choice lists one of their
// choices.
bool fitsRow(const PSSpecifier& specifier, const PlistValue& value) {
    switch (specifier.cellType()) {
        case PSSwitchCell:
            return value.isNumber();
        case PSSliderCell:
            return value.isNumber() && !value.asBoolean();
        case PSEditTextCell:
        case PSSecureEditTextCell:
            return specifier.boolProperty("isNumeric", false) ||
                           specifier.boolProperty("isDecimalPad", false)
                       ? value.isNumber() && !value.asBoolean()
                       : value.asString() != nullptr;
        case PSLinkListCell:
        case PSSegmentCell:
            return PSValueText::indexOfValidValue(specifier, value) >= 0;
        default:
            return value.asString() != nullptr || value.isNumber();
    }
}

// The domain and key a row stores its value under, when it names both.
struct StoredAt {
    std::string domain;
    std::string key;
};
std::optional<StoredAt> storedAt(const PSSpecifier& specifier) {
    auto domain = specifier.stringProperty("defaults");
    auto key = specifier.stringProperty("key");
    if (!domain || !key || key->empty() || !CFPreferencesIsValidDomain(*domain))
        return std::nullopt;
    return StoredAt{*domain, *key};
}

}  // namespace

Class PSListController::classObject() {
    static const Class cls =
        defineClass<PSListController>("PSListController", UIViewController::classObject());
    return cls;
}

PSListController::PSListController() = default;
PSListController::~PSListController() = default;

const PSListController::Specifiers& PSListController::specifiers() {
    return _specifiers;
}

void PSListController::setSpecifiers(Specifiers specifiers) {
    _specifiers = std::move(specifiers);
    reload();
}

PSListController::Specifiers PSListController::loadSpecifiersFromPlistName_target(
    const std::string& name, const std::shared_ptr<NSObject>& target) {
    auto list = PSSpecifierLoader::loadSpecifierList(bundlePath_ + "/" + name + ".plist", target);
    if (title().empty() && !list.title.empty()) setTitle(list.title);
    return std::move(list.specifiers);
}

const PSListController::Specifiers& PSListController::specifiersLoadedFromPlistName(
    const std::string& name) {
    if (_specifiers.empty())
        _specifiers = loadSpecifiersFromPlistName_target(name, shared_from_this());
    return _specifiers;
}

void PSListController::removeContiguousSpecifiers_animated(Specifiers specifiers, bool animated) {
    std::vector<std::shared_ptr<PSTableCell>> leaving;
    for (const auto& specifier : specifiers) {
        auto it = std::find(_specifiers.begin(), _specifiers.end(), specifier);
        if (it == _specifiers.end()) continue;
        if (auto cell = cells_.find(specifier.get()); cell != cells_.end())
            leaving.push_back(cell->second);
        _specifiers.erase(it);
    }
    if (!animated || leaving.empty() || !table_) {
        reload();
        return;
    }
    // The rows stay in the table, fading, until the table is rebuilt without them.
    UIView::animateWithDuration_animations_completion(
        kRemovalFadeDuration,
        [&leaving] {
            for (const auto& cell : leaving) cell->setAlpha(0);
        },
        [weakSelf = std::weak_ptr<NSObject>(weak_from_this())](bool) {
            if (auto self = weakSelf.lock()) static_cast<PSListController&>(*self).reload();
        });
}

std::shared_ptr<PSTableCell> PSListController::cachedCellForSpecifierID(
    const std::string& identifier) const {
    for (const auto& [specifier, cell] : cells_) {
        if (cell->specifier() && cell->specifier()->identifier() == identifier) return cell;
    }
    return nullptr;
}

void PSListController::reload() {
    buildSections(_specifiers);
    cells_.clear();
    if (table_) table_->reloadData();
}

void PSListController::buildSections(const Specifiers& specifiers) {
    sections_.clear();
    for (const auto& specifier : specifiers) {
        if (specifier->cellType() == PSGroupCell) {
            sections_.push_back({specifier, {}});
            continue;
        }
        if (sections_.empty()) sections_.push_back({});
        sections_.back().rows.push_back(specifier);
    }
}

std::optional<PlistValue> PSListController::readPreferenceValue(
    const PSSpecifier& specifier) const {
    if (auto at = storedAt(specifier)) {
        auto values = CFPreferencesCopyMultiple({at->key}, at->domain, kCFPreferencesCurrentUser,
                                                kCFPreferencesAnyHost);
        if (values) {
            auto stored = values->find(at->key);
            if (stored != values->end() && fitsRow(specifier, stored->second))
                return stored->second;
        }
    }
    const PlistValue* fallback = specifier.propertyForKey("default");
    if (fallback != nullptr && fitsRow(specifier, *fallback)) return *fallback;
    return std::nullopt;
}

void PSListController::setPreferenceValue_specifier(const PlistValue& value,
                                                    const PSSpecifier& specifier) {
    auto at = storedAt(specifier);
    if (!at) {
        NSLog("Preferences: the row \"" + specifier.name() +
              "\" names no key and domain; its value is not stored");
        return;
    }
    CFPreferencesSetValue(at->key, value, at->domain, kCFPreferencesCurrentUser,
                          kCFPreferencesAnyHost);
    if (auto notification = specifier.stringProperty("PostNotification"))
        NSNotificationCenter::defaultCenter().postNotificationName(*notification);
}

void PSListController::loadView() {
    table_ = UITableView::make(UIScreen::mainScreen().bounds(), UITableViewStyle::Grouped);
    table_->setDataSource(std::shared_ptr<UITableViewDataSource>(shared_from_this(), this));
    table_->setDelegate(std::shared_ptr<UITableViewDelegate>(shared_from_this(), this));
    setView(table_);
    // The first build asks the pane for its rows; later ones (reload, removal) use them as they
    // are, so a pane emptied on purpose stays empty.
    buildSections(specifiers());
    cells_.clear();
}

void PSListController::viewWillAppear(bool animated) {
    UIViewController::viewWillAppear(animated);
    refreshValues();
    if (table_) {
        if (auto selected = table_->indexPathForSelectedRow())
            table_->deselectRowAtIndexPath_animated(*selected, animated);
    }
}

void PSListController::viewDidUnload() {
    UIViewController::viewDidUnload();
    table_.reset();
    cells_.clear();
}

size_t PSListController::numberOfSectionsInTableView(UITableView*) {
    return sections_.size();
}

size_t PSListController::tableView_numberOfRowsInSection(UITableView*, size_t section) {
    return section < sections_.size() ? sections_[section].rows.size() : 0;
}

std::shared_ptr<UITableViewCell> PSListController::tableView_cellForRowAtIndexPath(
    UITableView*, NSIndexPath indexPath) {
    if (rowAt(indexPath) == nullptr) return nullptr;
    return cellFor(sections_[indexPath.section].rows[indexPath.row]);
}

std::string PSListController::tableView_titleForHeaderInSection(UITableView*, size_t section) {
    if (section >= sections_.size() || !sections_[section].group) return "";
    return sections_[section].group->name();
}

std::string PSListController::tableView_titleForFooterInSection(UITableView*, size_t section) {
    if (section >= sections_.size() || !sections_[section].group) return "";
    return sections_[section].group->stringProperty("footerText").value_or("");
}

CGFloat PSListController::tableView_heightForRowAtIndexPath(UITableView* tableView,
                                                            NSIndexPath indexPath) {
    const PSSpecifier* row = rowAt(indexPath);
    const auto height = row ? row->numberProperty("height") : std::nullopt;
    return height && *height > 0 ? *height : tableView->rowHeight();
}

void PSListController::tableView_didSelectRowAtIndexPath(UITableView* tableView,
                                                         NSIndexPath indexPath) {
    if (rowAt(indexPath) == nullptr) return;
    const auto specifier = sections_[indexPath.section].rows[indexPath.row];
    const auto cell = cells_.find(specifier.get());
    const bool enabled = cell == cells_.end() || cell->second->cellEnabled();
    const bool opensPane =
        specifier->cellType() == PSLinkCell || specifier->cellType() == PSLinkListCell;
    // A pane that opens keeps its row selected until the pane closes again.
    if (!enabled || !opensPane) tableView->deselectRowAtIndexPath_animated(indexPath, true);
    if (enabled) didSelectSpecifier(specifier);
}

const PSSpecifier* PSListController::rowAt(NSIndexPath indexPath) const {
    if (indexPath.section >= sections_.size() ||
        indexPath.row >= sections_[indexPath.section].rows.size())
        return nullptr;
    return sections_[indexPath.section].rows[indexPath.row].get();
}

std::shared_ptr<PSTableCell> PSListController::cellFor(
    const std::shared_ptr<PSSpecifier>& specifier) {
    auto it = cells_.find(specifier.get());
    if (it != cells_.end()) return it->second;
    auto cell = makeCell(specifier);
    cells_.emplace(specifier.get(), cell);
    return cell;
}

std::shared_ptr<PSTableCell> PSListController::makeCell(
    const std::shared_ptr<PSSpecifier>& specifier) {
    Class cls = defaultCellClass(specifier->cellType());
    if (auto name = specifier->stringProperty("cellClass")) {
        Class named = objc_getClass(*name);
        if (named != nullptr && inheritsFrom(named, PSTableCell::classObject())) {
            cls = named;
        } else {
            NSLog("Preferences: no cell class \"" + *name + "\" for the row \"" +
                  specifier->name() + "\"; a plain cell shows it");
            cls = PSTableCell::classObject();
        }
    }
    const UITableViewCellStyle style = PSTableCell::styleForSpecifier(*specifier);
    auto cell = std::static_pointer_cast<PSTableCell>(class_createInstance(cls));
    if (!cell) {
        NSLog(std::string("Preferences: the cell class ") + class_getName(cls) +
              " can't be made; a plain cell shows the row \"" + specifier->name() + "\"");
        cell = std::make_shared<PSTableCell>();
    }
    cell->initWithStyle_reuseIdentifier_specifier(style, class_getName(cell->objectClass()),
                                                  specifier);
    cell->setCellTarget(std::static_pointer_cast<PSListController>(shared_from_this()));
    if (!specifier->boolProperty("enabled", true)) cell->setCellEnabled(false);
    showValue(*cell, *specifier);
    return cell;
}

void PSListController::showValue(PSTableCell& cell, const PSSpecifier& specifier) const {
    cell.setValue(readPreferenceValue(specifier));
}

void PSListController::refreshValues() {
    for (const auto& [specifier, cell] : cells_) {
        if (cell->specifier()) showValue(*cell, *cell->specifier());
    }
}

void PSListController::didSelectSpecifier(const std::shared_ptr<PSSpecifier>& specifier) {
    switch (specifier->cellType()) {
        case PSLinkCell:
        case PSLinkListCell:
            pushPane(specifier);
            break;
        case PSButtonCell:
            performButtonAction(specifier);
            break;
        case PSEditTextCell:
        case PSSecureEditTextCell:
            if (auto cell = cells_.find(specifier.get()); cell != cells_.end()) {
                if (cell->second->isKindOfClass(PSEditableTableCell::classObject()))
                    static_cast<PSEditableTableCell&>(*cell->second)
                        .textField()
                        ->becomeFirstResponder();
            }
            break;
        default:
            break;
    }
}

void PSListController::performButtonAction(const std::shared_ptr<PSSpecifier>& specifier) {
    const auto action = specifier->stringProperty("action");
    const auto target = specifier->target();
    if (!action || action->empty() || !target) {
        NSLog("Preferences: the button \"" + specifier->name() + "\" has no action or target");
        return;
    }
    if (!target->respondsToSelector(action->c_str())) {
        NSLog(std::string("Preferences: ") + class_getName(target->objectClass()) +
              " does not implement \"" + *action + "\", the action of the button \"" +
              specifier->name() + "\"");
        return;
    }
    try {
        if (action->ends_with(':')) {
            msgSend<void(PSSpecifier*)>(target.get(), action->c_str(), specifier.get());
        } else {
            msgSend<void()>(target.get(), action->c_str());
        }
    } catch (const std::logic_error& error) {
        NSLog(std::string("Preferences: the action of the button \"") + specifier->name() +
              "\" can't be sent: " + error.what());
    }
}

void PSListController::pushPane(const std::shared_ptr<PSSpecifier>& specifier) {
    std::shared_ptr<PSListController> pane;
    const auto detail = specifier->stringProperty("detail");
    if (specifier->propertyForKey("bundle") != nullptr) {
        pane = PreferenceBundleLoader::paneForEntry(*specifier);
    } else if (specifier->cellType() == PSLinkListCell &&
               (!detail || *detail == "PSListItemsController")) {
        pane = std::make_shared<PSListItemsController>();
    } else {
        pane = paneForDetail(*specifier);
    }
    push(pane, specifier);
}

std::shared_ptr<PSListController> PSListController::paneForDetail(const PSSpecifier& specifier) {
    const std::string detail = specifier.stringProperty("detail").value_or("");
    Class cls = detail.empty() ? nullptr : objc_getClass(detail);
    if (cls != nullptr && inheritsFrom(cls, PSListController::classObject())) {
        if (auto pane = class_createInstance(cls))
            return std::static_pointer_cast<PSListController>(pane);
    }
    NSLog("Preferences: the pane \"" + detail + "\" of the row \"" + specifier.name() +
          "\" is not available");
    return PSUnavailableController::make(specifier.name() + " is not available in this version.");
}

void PSListController::push(const std::shared_ptr<PSListController>& pane,
                            const std::shared_ptr<PSSpecifier>& specifier) {
    pane->setSpecifier(specifier);
    pane->setParentController(std::static_pointer_cast<PSListController>(shared_from_this()));
    if (pane->bundlePath().empty()) pane->setBundlePath(bundlePath_);
    if (pane->title().empty()) pane->setTitle(specifier->name());
    if (auto navigation = navigationController()) {
        navigation->pushViewController_animated(pane, true);
    } else {
        NSLog("Preferences: the pane \"" + specifier->name() + "\" has nowhere to open");
    }
}
