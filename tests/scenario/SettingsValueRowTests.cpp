// The root pane's value rows write their keys, each with the kind the tweak reads; a memory
// warning unloads the root pane; a change made in the Settings app reaches the note at the next
// lock in SpringBoard's own process.

#include "common/SettingsKeys.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/settings/PSEditableTableCell.h"
#include "platform/settings/PSSliderTableCell.h"
#include "platform/settings/PSSwitchTableCell.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UISlider.h"
#include "platform/ui/views/UISwitch.h"
#include "tests/scenario/SettingsScenario.h"

namespace {

using nlohmann::json;

constexpr char kOpenPlakko[] = "tap-row Plakko\nwait 0.6\n";

class SettingsValueRowTest : public SettingsScenario {
protected:
    void toggle(const char* key) {
        auto cell = std::dynamic_pointer_cast<PSSwitchTableCell>(cellForKey(key));
        ASSERT_NE(cell, nullptr) << key;
        tap(*cell->control());
    }

    // Taps the slider `fraction` of the way along its track.
    void slide(const char* key, double fraction) {
        auto cell = std::dynamic_pointer_cast<PSSliderTableCell>(cellForKey(key));
        ASSERT_NE(cell, nullptr) << key;
        const CGRect bounds = cell->control()->bounds();
        tapAt(*cell->control(), {bounds.size.width * fraction, CGRectGetMidY(bounds)});
    }

    void type(const char* key, const std::string& text) {
        auto cell = std::dynamic_pointer_cast<PSEditableTableCell>(cellForKey(key));
        ASSERT_NE(cell, nullptr) << key;
        typeInto(*cell->textField(), text);
    }

    // A number written at single precision.
    static bool isFloat(const PlistValue& value) {
        return value.asReal() != nullptr && value.asReal()->isFloat32;
    }
};

TEST_F(SettingsValueRowTest, EveryValueRowWritesItsKeyWithTheKindTheTweakReads) {
    runSettings(kOpenPlakko);
    toggle(Settings::Key::enabled);
    EXPECT_EQ(storedValue(Settings::Key::enabled), PlistValue::boolean(false)) << "on by default";
    for (const char* key :
         {Settings::Key::sizeiPhone, Settings::Key::color, Settings::Key::colorFont}) {
        toggle(key);
        EXPECT_EQ(storedValue(key), PlistValue::boolean(true)) << key;
    }

    slide(Settings::Key::fontSize, 0.0);
    EXPECT_EQ(storedValue(Settings::Key::fontSize), PlistValue::float32(10));
    slide(Settings::Key::fontSize, 0.99);
    EXPECT_EQ(storedValue(Settings::Key::fontSize), PlistValue::float32(40));
    slide(Settings::Key::alpha, 0.5);
    const PlistValue alpha = storedValue(Settings::Key::alpha);
    EXPECT_TRUE(isFloat(alpha));
    EXPECT_GT(alpha.floatValue(), 0.3f);
    EXPECT_LT(alpha.floatValue(), 0.8f);
    slide(Settings::Key::duration, 0.5);
    const PlistValue duration = storedValue(Settings::Key::duration);
    EXPECT_TRUE(isFloat(duration));
    EXPECT_EQ(duration.floatValue(), std::round(duration.floatValue())) << "whole tenths";

    type(Settings::Key::xoff, "12");
    EXPECT_EQ(storedValue(Settings::Key::xoff), PlistValue::float32(12));
    type(Settings::Key::yoff, "-7.5");
    EXPECT_EQ(storedValue(Settings::Key::yoff), PlistValue::float32(-7.5f));
    type(Settings::Key::yoff, "up a bit");
    EXPECT_EQ(storedValue(Settings::Key::yoff), PlistValue::float32(-7.5f)) << "not a number";
    for (const char* key : {Settings::Key::lockTitle, Settings::Key::lockMessage,
                            Settings::Key::settingsTitle, Settings::Key::settingsMessage}) {
        type(key, std::string("Text of ") + key);
        EXPECT_EQ(storedValue(key), PlistValue::string(std::string("Text of ") + key));
    }

    more(
        "tap-row \"Hide Effect\"\nwait 0.6\ntap-row \"Flip from Left\"\nwait 0.1\nback\nwait "
        "0.6\n");
    const PlistValue animation = storedValue(Settings::Key::animation);
    EXPECT_TRUE(animation.isNumber() && !animation.asBoolean());
    EXPECT_EQ(animation.floatValue(), 5.0f);
    auto effect = cellWithIdentifier("Hide Effect");
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->detailText(), "Flip from Left");

    more("tap-row \"Follow on Twitter\"\n");
    ASSERT_FALSE(UIApplication::sharedApplication().openedURLs().empty());
    EXPECT_EQ(UIApplication::sharedApplication().openedURLs().back().rfind("https://", 0), 0u);
}

TEST_F(SettingsValueRowTest, StoredValuesShowAndValuesOfTheWrongKindShowTheDefault) {
    writePreferences({{Settings::Key::enabled, PlistValue::string("nope")},
                      {Settings::Key::fontSize, PlistValue::float32(32)},
                      {Settings::Key::alpha, PlistValue::string("half")},
                      {Settings::Key::animation, PlistValue::float32(9)},
                      {Settings::Key::duration, PlistValue::float32(12)},
                      {Settings::Key::xoff, PlistValue::boolean(true)}});
    runSettings(kOpenPlakko);
    auto enabled = std::dynamic_pointer_cast<PSSwitchTableCell>(cellForKey(Settings::Key::enabled));
    EXPECT_TRUE(enabled->control()->isOn()) << "the default, true";
    auto fontSize =
        std::dynamic_pointer_cast<PSSliderTableCell>(cellForKey(Settings::Key::fontSize));
    EXPECT_EQ(fontSize->control()->value(), 32);
    auto alpha = std::dynamic_pointer_cast<PSSliderTableCell>(cellForKey(Settings::Key::alpha));
    EXPECT_EQ(alpha->control()->value(), 1);
    EXPECT_EQ(cellForKey(Settings::Key::animation)->detailText(), "Into the Button");
    auto duration =
        std::dynamic_pointer_cast<PSSliderTableCell>(cellForKey(Settings::Key::duration));
    EXPECT_EQ(duration->textForValue(duration->control()->value()), "1.2 s");
    auto xoff = std::dynamic_pointer_cast<PSEditableTableCell>(cellForKey(Settings::Key::xoff));
    EXPECT_EQ(xoff->textField()->text(), "0");
}

TEST_F(SettingsValueRowTest, AMemoryWarningUnloadsTheRootPaneOffScreenSoItAsksAgain) {
    writePreferences({{Settings::Key::passEnabled, PlistValue::boolean(true)},
                      {Settings::Key::pass, PlistValue::string("c2VzYW1l")}});
    runSettings(std::string(kOpenPlakko) +
                "type sesame\nalert-button Ok\nwait 0.6\ntap-row Password\nwait 0.6\n"
                "back\nwait 0.6\ndump-tree " +
                output("back.json") +
                "\ntap-row Password\nwait 0.6\nmemory-warning\nback\nwait 0.6\ndump-tree " +
                output("warned.json") + "\n");
    EXPECT_EQ(lastViewOfClass(tree("back.json"), "UIAlertView"), nullptr)
        << "the pane's view stayed loaded";
    EXPECT_NE(lastViewOfClass(tree("warned.json"), "UIAlertView"), nullptr)
        << "the pane's view was unloaded and loaded again";
}

TEST_F(SettingsValueRowTest, ASettingChangedHereReachesTheNoteAtTheNextLockInSpringBoard) {
    runSettings(kOpenPlakko);
    slide(Settings::Key::alpha, 0.0);
    ASSERT_EQ(storedValue(Settings::Key::alpha).floatValue(), 0.1f);
    toggle(Settings::Key::sizeiPhone);
    NSRunLoop::mainRunLoop().runOneTurn();

    ASSERT_TRUE(runSpringBoard("wait 0.5\ndump-tree " + output("lock.json") + "\n"));
    const json dump = tree("lock.json");
    const json* note = NoteInTree::note(dump);
    ASSERT_NE(note, nullptr);
    EXPECT_NEAR((*note)["alpha"].get<double>(), 0.1, 1e-6);
    EXPECT_EQ((*note)["frame"][2], 225) << "the small note";
}

}  // namespace
