#include "sim/SettingsCommands.h"

#include <cmath>
#include <limits>
#include <memory>
#include <optional>

#include "platform/foundation/NSRunLoop.h"
#include "platform/runtime/Runtime.h"
#include "platform/settings/PSTableCell.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UISegmentedControl.h"
#include "platform/ui/views/UISlider.h"
#include "platform/ui/views/UISwitch.h"
#include "platform/ui/views/UIWindow.h"
#include "sim/DeviceFingers.h"
#include "sim/ScriptArguments.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptError.h"
#include "sim/ViewDumpFields.h"

namespace {

using Arguments = ScriptCommandTable::Arguments;

constexpr double kTapDuration = 0.05;

double readable(double value) {
    return std::round(value * 1e6) / 1e6;
}

bool isShown(const UIView& view) {
    for (const UIView* v = &view; v != nullptr; v = v->superview().get()) {
        if (v->isHidden() || v->alpha() < 0.01) return false;
    }
    return view.window() != nullptr;
}

// The last table on the screen, back to front, depth first: the one in front.
std::shared_ptr<UITableView> frontTable(const std::shared_ptr<UIView>& view) {
    std::shared_ptr<UITableView> found;
    if (view->isKindOfClass(UITableView::classObject()) && isShown(*view))
        found = std::static_pointer_cast<UITableView>(view);
    for (const auto& subview : view->subviews()) {
        if (auto inner = frontTable(subview)) found = inner;
    }
    return found;
}

std::shared_ptr<UITableView> frontTable() {
    std::shared_ptr<UITableView> found;
    for (const auto& window : UIApplication::sharedApplication().windows()) {
        if (auto table = frontTable(window)) found = table;
    }
    if (!found) throw ScriptError("no table is on the screen");
    return found;
}

std::string rowText(const UITableViewCell& cell) {
    return cell.textLabel() ? cell.textLabel()->text() : "";
}

std::optional<NSIndexPath> visibleRowNamed(UITableView& table, const std::string& label) {
    for (const NSIndexPath& indexPath : table.indexPathsForVisibleRows()) {
        auto cell = table.cellForRowAtIndexPath(indexPath);
        if (cell && rowText(*cell) == label) return indexPath;
    }
    return std::nullopt;
}

// Brings each row into view in turn until one shows `label`.
std::optional<NSIndexPath> scrollToRowNamed(UITableView& table, const std::string& label) {
    for (size_t section = 0; section < table.numberOfSections(); ++section) {
        for (size_t row = 0; row < table.numberOfRowsInSection(section); ++row) {
            const NSIndexPath indexPath{section, row};
            table.scrollToRowAtIndexPath_atScrollPosition_animated(
                indexPath, UITableViewScrollPosition::None, false);
            table.layoutIfNeeded();
            auto cell = table.cellForRowAtIndexPath(indexPath);
            if (cell && rowText(*cell) == label) return indexPath;
        }
    }
    return std::nullopt;
}

std::string visibleRowNames(UITableView& table) {
    std::string names;
    for (const auto& cell : table.visibleCells()) {
        if (rowText(*cell).empty()) continue;
        names += (names.empty() ? "\"" : ", \"") + rowText(*cell) + "\"";
    }
    return names.empty() ? "none" : names;
}

void tapRow(const std::string& label) {
    NSRunLoop::mainRunLoop().runOneTurn();
    auto table = frontTable();
    table->layoutIfNeeded();
    auto indexPath = visibleRowNamed(*table, label);
    if (!indexPath) {
        const CGPoint offset = table->contentOffset();
        const std::string shown = visibleRowNames(*table);
        indexPath = scrollToRowNamed(*table, label);
        if (!indexPath) {
            table->setContentOffset(offset);
            throw ScriptError("no row \"" + label +
                              "\" in the table; rows on the screen: " + shown);
        }
    }
    const CGRect row = table->convertRect_toView(table->rectForRowAtIndexPath(*indexPath), nullptr);
    const CGPoint centre{CGRectGetMidX(row), CGRectGetMidY(row)};
    DeviceFingers fingers;
    fingers.fingerDown(centre);
    NSRunLoop::mainRunLoop().runUntilDate(NSDate::now() + kTapDuration);
    fingers.fingerUp(centre);
}

void goBack() {
    auto window = UIApplication::sharedApplication().keyWindow();
    auto root = window ? window->rootViewController() : nullptr;
    if (!root || !root->isKindOfClass(UINavigationController::classObject()))
        throw ScriptError("back: no navigation is on the screen");
    auto& navigation = static_cast<UINavigationController&>(*root);
    if (navigation.viewControllers().size() < 2)
        throw ScriptError("back: the first pane has nothing to go back to");
    navigation.popViewControllerAnimated(true);
}

void addDumpFields() {
    ViewDumpFields::add(UIScrollView::classObject(), [](const UIView& view, auto& dump) {
        const CGPoint offset = static_cast<const UIScrollView&>(view).contentOffset();
        dump["contentOffset"] = {offset.x, offset.y};
    });
    ViewDumpFields::add(UITableViewCell::classObject(), [](const UIView& view, auto& dump) {
        const auto& cell = static_cast<const UITableViewCell&>(view);
        dump["rowText"] = rowText(cell);
        dump["detailText"] = cell.detailTextLabel() ? cell.detailTextLabel()->text() : "";
    });
    ViewDumpFields::add(UISwitch::classObject(), [](const UIView& view, auto& dump) {
        const auto& control = static_cast<const UISwitch&>(view);
        dump["on"] = control.isOn();
        dump["enabled"] = control.isEnabled();
    });
    ViewDumpFields::add(UISegmentedControl::classObject(), [](const UIView& view, auto& dump) {
        const auto& control = static_cast<const UISegmentedControl&>(view);
        dump["segments"] = control.titles();
        dump["selectedSegmentIndex"] = control.selectedSegmentIndex();
        dump["enabled"] = control.isEnabled();
    });
    ViewDumpFields::add(UISlider::classObject(), [](const UIView& view, auto& dump) {
        dump["value"] = readable(static_cast<const UISlider&>(view).value());
    });
}

}  // namespace

void addSettingsCommands(ScriptCommandTable& commands) {
    addDumpFields();
    commands.add("tap-row", {"tap-row LABEL", 1, std::numeric_limits<size_t>::max(),
                             [](const Arguments& arguments) -> ScriptCommandTable::Action {
                                 return [label = restOfLine(arguments)](ScriptContext&) {
                                     tapRow(label);
                                 };
                             }});
    commands.add("back", {"back", 0, 0, [](const Arguments&) -> ScriptCommandTable::Action {
                              return [](ScriptContext&) { goBack(); };
                          }});
    commands.add("memory-warning",
                 {"memory-warning", 0, 0, [](const Arguments&) -> ScriptCommandTable::Action {
                      return [](ScriptContext&) {
                          UIApplication::sharedApplication().performMemoryWarning();
                      };
                  }});
}
