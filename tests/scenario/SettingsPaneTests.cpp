// The Settings app with the Plakko bundle: the password prompt that guards the root pane, the
// password pane, and the root pane's rows writing the preference domain.
#include <cmath>

#include "common/SettingsKeys.h"
#include "platform/foundation/NSDataBase64.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/settings/PSSwitchTableCell.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UISwitch.h"
#include "tests/scenario/SettingsScenario.h"

namespace {

using nlohmann::json;

constexpr char kSesame[] = "c2VzYW1l";  // "sesame"
constexpr char kOpenPlakko[] = "tap-row Plakko\nwait 0.6\n";
constexpr char kOpenPassword[] = "tap-row Plakko\nwait 0.6\ntap-row Password\nwait 0.6\n";

bool showsAPrompt(const json& dump) {
    return lastViewOfClass(dump, "UIAlertView") != nullptr;
}

const PlistValue* stored(const PlistDictionary& preferences, const char* key) {
    auto it = preferences.find(key);
    return it != preferences.end() ? &it->second : nullptr;
}

std::string storedString(const PlistDictionary& preferences, const char* key) {
    const PlistValue* value = stored(preferences, key);
    return value && value->asString() ? *value->asString() : "<no string>";
}

std::string decoded(const PlistValue* value) {
    if (value == nullptr || value->asString() == nullptr) return "<none>";
    const auto bytes = NSDataBase64::dataWithBase64EncodedString(*value->asString());
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<not Base64>";
}

class SettingsPaneTest : public SettingsScenario {};

TEST_F(SettingsPaneTest, ThePromptEmptiesTheRootPaneUnlessTheRightPasswordIsGiven) {
    writePreferences({{Settings::Key::passEnabled, PlistValue::boolean(true)},
                      {Settings::Key::pass, PlistValue::string(kSesame)}});
    runSettings(std::string(kOpenPlakko) + "dump-tree " + output("asked.json") +
                "\ntype Sesame\nalert-button Ok\nwait 0.6\ndump-tree " + output("wrong.json") +
                "\nback\nwait 0.6\n" + kOpenPlakko + "alert-button Cancel\nwait 0.6\ndump-tree " +
                output("cancelled.json") + "\nback\nwait 0.6\n" + kOpenPlakko +
                "type sesame\nalert-button Ok\nwait 0.6\ndump-tree " + output("right.json") + "\n");
    const json asked = tree("asked.json");
    EXPECT_TRUE(showsAPrompt(asked));
    EXPECT_NE(rowWithText(asked, "Enabled"), nullptr) << "the pane is whole while it asks";
    for (const char* emptied : {"wrong.json", "cancelled.json"}) {
        const json dump = tree(emptied);
        EXPECT_FALSE(showsAPrompt(dump)) << emptied;
        EXPECT_EQ(rowWithText(dump, "Enabled"), nullptr) << emptied;
        EXPECT_EQ(rowWithText(dump, "Follow on Twitter"), nullptr) << emptied;
    }
    const json right = tree("right.json");
    EXPECT_FALSE(showsAPrompt(right));
    EXPECT_NE(rowWithText(right, "Enabled"), nullptr);
}

TEST_F(SettingsPaneTest, NoPromptWhenThePasswordIsOff) {
    writePreferences({{Settings::Key::passEnabled, PlistValue::boolean(false)},
                      {Settings::Key::pass, PlistValue::string(kSesame)}});
    runSettings(std::string(kOpenPlakko) + "dump-tree " + output("open.json") + "\n");
    EXPECT_FALSE(showsAPrompt(tree("open.json")));
    EXPECT_NE(rowWithText(tree("open.json"), "Enabled"), nullptr);
}

TEST_F(SettingsPaneTest, NoPromptWithoutAPreferenceFile) {
    runSettings(std::string(kOpenPlakko) + "dump-tree " + output("open.json") + "\n");
    EXPECT_FALSE(showsAPrompt(tree("open.json")));
    EXPECT_NE(rowWithText(tree("open.json"), "Hide Effect"), nullptr);
}

TEST_F(SettingsPaneTest, APasswordIsStoredAsOneBase64LineAndShownMaskedWhenThePaneOpensAgain) {
    runSettings(kOpenPassword);
    auto field = passwordField();
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->isSecureTextEntry());
    EXPECT_EQ(field->placeholder(), "Enter Password");
    typeInto(*field, "sesame");
    EXPECT_EQ(storedString(preferences(), Settings::Key::pass), kSesame);

    // Longer than 48 bytes, beyond ASCII: still one line.
    const std::string longPassword = "Ünïcödé passwords are long enough to wrap at 64 chars";
    typeInto(*field, longPassword);
    const PlistDictionary file = preferences();
    const PlistValue* pass = stored(file, Settings::Key::pass);
    ASSERT_NE(pass, nullptr);
    ASSERT_NE(pass->asString(), nullptr);
    EXPECT_GT(pass->asString()->size(), 64u);
    EXPECT_EQ(pass->asString()->find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(decoded(pass), longPassword);

    more("back\nwait 0.6\ntap-row Password\nwait 0.6\n");
    auto reopened = passwordField();
    ASSERT_NE(reopened, nullptr);
    EXPECT_NE(reopened, field);
    EXPECT_EQ(reopened->text(), longPassword) << "the password just stored, not an older one";
    EXPECT_TRUE(reopened->isSecureTextEntry());
    EXPECT_EQ(reopened->displayedText().find("Ü"), std::string::npos) << "shown as bullets";

    typeInto(*reopened, "");
    EXPECT_EQ(storedString(preferences(), Settings::Key::pass), "");
}

TEST_F(SettingsPaneTest, AStoredPasswordReappearsMasked) {
    writePreferences({{Settings::Key::pass, PlistValue::string(kSesame)}});
    runSettings(kOpenPassword);
    auto field = passwordField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "sesame");
    EXPECT_EQ(field->displayedText().find("sesame"), std::string::npos);
}

TEST_F(SettingsPaneTest, BeforeSystem7ThePasswordSwitchAndFieldCantBeUsed) {
    writePreferences({{Settings::Key::pass, PlistValue::string(kSesame)}});
    runSettings(kOpenPassword, kIPhone4SSystem6);
    auto field = passwordField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->placeholder(), "Passcode only available for iOS > 7.X ");
    EXPECT_FALSE(field->isEnabled());
    EXPECT_EQ(field->text(), "");
    auto cell =
        std::dynamic_pointer_cast<PSSwitchTableCell>(cellForKey(Settings::Key::passEnabled));
    ASSERT_NE(cell, nullptr);
    EXPECT_FALSE(cell->control()->isEnabled());
    tap(*cell->control());
    EXPECT_EQ(stored(preferences(), Settings::Key::passEnabled), nullptr);
}

TEST_F(SettingsPaneTest, OnSystem7ThePasswordSwitchStoresABoolean) {
    runSettings(kOpenPassword, DeviceProfileName{"iphone5", "7.0"});
    auto cell =
        std::dynamic_pointer_cast<PSSwitchTableCell>(cellForKey(Settings::Key::passEnabled));
    ASSERT_NE(cell, nullptr);
    EXPECT_TRUE(cell->control()->isEnabled());
    tap(*cell->control());
    NSRunLoop::mainRunLoop().runOneTurn();
    const PlistDictionary file = preferences();
    const PlistValue* value = stored(file, Settings::Key::passEnabled);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->kind(), PlistValue::Kind::Boolean);
    EXPECT_TRUE(value->boolValue());
}

}  // namespace
