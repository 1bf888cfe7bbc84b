#include "tests/scenario/SettingsScenario.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/foundation/NSRunLoop.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/runtime/Runtime.h"
#include "platform/settings/PSListController.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSTableCell.h"
#include "platform/settings/SettingsApp.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/text/UITextField.h"
#include "sim/DeviceFingers.h"
#include "sim/DeviceScreen.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptRunner.h"

namespace {

constexpr double kTapDuration = 0.05;

std::shared_ptr<PSListController> topListPane() {
    const auto& navigation = SettingsApp::shared().navigationController();
    auto top = navigation ? navigation->topViewController() : nullptr;
    if (!top || !top->isKindOfClass(PSListController::classObject())) return nullptr;
    return std::static_pointer_cast<PSListController>(top);
}

// Brings each row of the top pane on screen in turn until one's cell `matches`.
std::shared_ptr<PSTableCell> findCell(const std::function<bool(const PSSpecifier&)>& matches) {
    const auto pane = topListPane();
    const auto& table = pane ? pane->table() : nullptr;
    if (!table) return nullptr;
    for (size_t section = 0; section < table->numberOfSections(); ++section) {
        for (size_t row = 0; row < table->numberOfRowsInSection(section); ++row) {
            table->scrollToRowAtIndexPath_atScrollPosition_animated(
                {section, row}, UITableViewScrollPosition::Middle, false);
            table->layoutIfNeeded();
            auto cell = std::dynamic_pointer_cast<PSTableCell>(
                table->cellForRowAtIndexPath({section, row}));
            if (cell && cell->specifier() && matches(*cell->specifier())) return cell;
        }
    }
    return nullptr;
}

const nlohmann::json* lastMatching(const nlohmann::json& view,
                                   const std::function<bool(const nlohmann::json&)>& matches) {
    const nlohmann::json* found = matches(view) ? &view : nullptr;
    if (view.is_object() && view.contains("subviews")) {
        for (const auto& subview : view["subviews"]) {
            if (const nlohmann::json* inner = lastMatching(subview, matches)) found = inner;
        }
    }
    return found;
}

}  // namespace

void SettingsScenario::runSettings(const std::string& script, DeviceProfileName device) {
    runScript(script, device, "settings");
}

bool SettingsScenario::runSpringBoard(const std::string& script) {
    const std::filesystem::path file = root_.path() / "springboard.txt";
    std::ofstream(file) << script;
    const std::string command = std::string("'") + PLAKKO_SIM + "' --root '" +
                                root_.path().string() + "' --script '" + file.string() +
                                "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void SettingsScenario::more(const std::string& script) {
    DeviceScreen screen;
    ScriptContext context{screen, {}};
    std::istringstream lines(script);
    ::runScript(lines, "more", scriptCommands(), context);
}

void SettingsScenario::wait(double seconds) {
    NSRunLoop::mainRunLoop().runUntilDate(NSDate::now() + seconds);
}

std::shared_ptr<PSListController> SettingsScenario::topPane() {
    return topListPane();
}

std::shared_ptr<PSTableCell> SettingsScenario::cellWithIdentifier(const std::string& identifier) {
    return findCell(
        [&](const PSSpecifier& specifier) { return specifier.identifier() == identifier; });
}

std::shared_ptr<PSTableCell> SettingsScenario::cellForKey(const std::string& key) {
    return findCell(
        [&](const PSSpecifier& specifier) { return specifier.stringProperty("key") == key; });
}

void SettingsScenario::tap(const UIView& view) {
    const CGRect bounds = view.bounds();
    tapAt(view, {CGRectGetMidX(bounds), CGRectGetMidY(bounds)});
}

void SettingsScenario::tapAt(const UIView& view, CGPoint point) {
    const CGPoint onScreen = view.convertPoint_toView(point, nullptr);
    DeviceFingers fingers;
    fingers.fingerDown(onScreen);
    wait(kTapDuration);
    fingers.fingerUp(onScreen);
    wait(kTapDuration);
}

void SettingsScenario::typeInto(UITextField& field, const std::string& text) {
    tap(field);
    field.setText("");
    field.insertText(text + "\n");
    NSRunLoop::mainRunLoop().runOneTurn();
}

PlistValue SettingsScenario::storedValue(const char* key) {
    NSRunLoop::mainRunLoop().runOneTurn();
    const PlistDictionary file = preferences();
    auto it = file.find(key);
    return it != file.end() ? it->second : PlistValue::string("<missing>");
}

std::shared_ptr<UITextField> SettingsScenario::passwordField() {
    const auto cell = cellWithIdentifier("password");
    if (!cell) return nullptr;
    const auto field =
        object_getIvar(cell.get(), class_getInstanceVariable(cell->objectClass(), "passwordField"));
    return std::dynamic_pointer_cast<UITextField>(field);
}

void SettingsScenario::writeSpecifierList(const std::string& name, const PlistDictionary& list) {
    std::filesystem::create_directories(root_ / kTestBundle);
    ASSERT_TRUE(PropertyListFile::writeToFile(list,
                                              std::string(kTestBundle) + "/" + name + ".plist",
                                              PropertyListFile::Write::Atomically));
}

std::shared_ptr<PSListController> SettingsScenario::openSpecifierList(const std::string& name) {
    auto pane = std::make_shared<PSListController>();
    pane->setTitle(name);
    pane->setBundlePath(kTestBundle);
    pane->setSpecifiers(pane->loadSpecifiersFromPlistName_target(name, pane));
    SettingsApp::shared().navigationController()->pushViewController_animated(pane, true);
    wait(0.6);
    return pane;
}

const nlohmann::json* rowWithText(const nlohmann::json& tree, const std::string& text) {
    const nlohmann::json* found = nullptr;
    if (!tree.is_object() || !tree.contains("windows")) return found;
    for (const auto& window : tree["windows"]) {
        if (const auto* row = lastMatching(window, [&](const nlohmann::json& view) {
                return view.contains("rowText") && view["rowText"] == text;
            }))
            found = row;
    }
    return found;
}
