#pragma once

#include <memory>
#include <string>

#include "platform/foundation/PlistValue.h"
#include "tests/scenario/LockScreenScenario.h"

class PSListController;
class PSTableCell;
class UITextField;
class UIView;

// A headless run of the Settings app with the built settings bundle installed, in a fresh device
// root. After the first script the app stays up in the test's process: more script lines can run
// (`more`), and a test can reach the panes and put a finger on their controls directly.
class SettingsScenario : public LockScreenScenario {
protected:
    void runSettings(const std::string& script, DeviceProfileName device = kIPhone5System7);
    // Runs more script lines in the app started by runSettings.
    void more(const std::string& script);
    // Lets virtual time pass.
    static void wait(double seconds);
    // Runs SpringBoard with the tweak, as a process of its own over this device root, on
    // `script`; true when it ends well.
    bool runSpringBoard(const std::string& script);

    // The pane on top of the navigation stack.
    static std::shared_ptr<PSListController> topPane();
    // The top pane's cell for the row with `identifier` ("id", else the label), brought on screen.
    static std::shared_ptr<PSTableCell> cellWithIdentifier(const std::string& identifier);
    // The top pane's cell for the row storing `key`, brought on screen.
    static std::shared_ptr<PSTableCell> cellForKey(const std::string& key);
    // A finger taps the view at (x, y) of its own bounds, or at its centre.
    static void tap(const UIView& view);
    static void tapAt(const UIView& view, CGPoint point);
    // Taps the field, empties it and types `text`, then the return key.
    static void typeInto(UITextField& field, const std::string& text);
    // What the preference file holds under `key` once this turn's writes have landed;
    // "<missing>" when nothing.
    PlistValue storedValue(const char* key);
    // The password pane's field.
    static std::shared_ptr<UITextField> passwordField();

    // A bundle folder without an executable, for specifier lists written by tests.
    static constexpr char kTestBundle[] = "/Library/PreferenceBundles/Broken.bundle";
    // Writes the specifier list `name` into the test bundle.
    void writeSpecifierList(const std::string& name, const PlistDictionary& list);
    // Pushes a pane of the framework's own class showing the test bundle's list `name`.
    static std::shared_ptr<PSListController> openSpecifierList(const std::string& name);
};

// The table row in a tree dump whose text is `text`; null if none.
const nlohmann::json* rowWithText(const nlohmann::json& tree, const std::string& text);
