// The colour panes of the Settings app: their layout on phones and tablets, the save button
// writing the wheel's colour under the pane's own four keys, the preview of the saved colour, a
// list without a wheel row, and a colour chosen here tinting the note at the next lock.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/SettingsKeys.h"
#include "platform/foundation/SystemLog.h"
#include "platform/graphics/UIColor.h"
#include "platform/settings/PSListController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UISlider.h"
#include "prefs/ColorPaneLayout.h"
#include "prefs/ColorWheelCell.h"
#include "prefs/colorpicker/BrightnessSlider.h"
#include "prefs/colorpicker/ColorPickerView.h"
#include "tests/scenario/SettingsScenario.h"

namespace {

using nlohmann::json;

constexpr char kOpenNoteColour[] =
    "tap-row Plakko\nwait 0.6\ntap-row \"Choose Note Colour\"\nwait 0.6\n";
constexpr char kOpenTextColour[] =
    "tap-row Plakko\nwait 0.6\ntap-row \"Choose Text Colour\"\nwait 0.6\n";
constexpr char kSave[] = "tap-row Save\nwait 0.1\n";

struct Rgba {
    CGFloat red = -1, green = -1, blue = -1, alpha = -1;
};

class ColorPaneTest : public SettingsScenario {
protected:
    static std::shared_ptr<ColorWheelCell> wheelCell(const std::string& identifier) {
        return std::dynamic_pointer_cast<ColorWheelCell>(cellWithIdentifier(identifier));
    }

    // The colour the preview row shows.
    static Rgba previewColour() {
        Rgba colour;
        const auto cell = cellWithIdentifier("selectedColor");
        if (cell == nullptr || cell->backgroundView()->backgroundColor() == nullptr) return colour;
        cell->backgroundView()->backgroundColor()->getRed_green_blue_alpha(
            &colour.red, &colour.green, &colour.blue, &colour.alpha);
        return colour;
    }

    // The stored values of the keys, as single-precision numbers; -1 for a key that is missing
    // or holds something else.
    std::vector<float> stored(std::initializer_list<const char*> keys) {
        std::vector<float> values;
        for (const char* key : keys) {
            const PlistValue value = storedValue(key);
            const bool isFloat = value.asReal() != nullptr && value.asReal()->isFloat32;
            values.push_back(isFloat ? value.floatValue() : -1.0f);
        }
        return values;
    }

    // A script line dragging a finger between two points of a wheel, given in its own
    // coordinates, so the test holds wherever the pane's rows put the wheel.
    static std::string dragAcross(const ColorPickerView& wheel, CGPoint from, CGPoint to) {
        const CGPoint start = wheel.convertPoint_toView(from, nullptr);
        const CGPoint end = wheel.convertPoint_toView(to, nullptr);
        std::ostringstream line;
        line << "drag " << start.x << ' ' << start.y << ' ' << end.x << ' ' << end.y << '\n';
        return line.str();
    }

    std::vector<float> noteColour() {
        return stored({Settings::Key::redPlakko, Settings::Key::greenPlakko,
                       Settings::Key::bluePlakko, Settings::Key::alphaFPlakko});
    }
    std::vector<float> textColour() {
        return stored(
            {Settings::Key::red, Settings::Key::green, Settings::Key::blue, Settings::Key::alphaF});
    }
};

TEST_F(ColorPaneTest, OnATallPhoneTheWheelSitsOnePointRightOfCentreAndThePreviewAt210) {
    runSettings(kOpenNoteColour);
    const auto cell = wheelCell("plakkoColorPicker");
    ASSERT_NE(cell, nullptr);
    const CGFloat middle = cell->bounds().size.width / 2;
    EXPECT_EQ(cell->_colorPicker->frame(), CGRectMake(middle - 149, 0, 300, 300));
    EXPECT_EQ(cell->_brightnessSlider->frame(), CGRectMake(middle - 149, 320, 300, 30));
    EXPECT_EQ(cell->_brightnessSlider->colorPicker(), cell->_colorPicker);
    EXPECT_EQ(cellWithIdentifier("selectedColor")->frame(), CGRectMake(30, 210, 260, 50));
}

TEST_F(ColorPaneTest, OnAShortPhoneThePreviewSitsAt185AndOnATabletTheWheelMovesLeft) {
    runSettings(kOpenNoteColour, kIPhone4SSystem6);
    EXPECT_EQ(cellWithIdentifier("selectedColor")->frame(), CGRectMake(30, 185, 260, 50));

    EXPECT_EQ(ColorPaneLayout::tablet().wheelFrame(CGRectMake(0, 0, 680, 360)),
              CGRectMake(340 - 179, 0, 300, 300));
    EXPECT_EQ(ColorPaneLayout::tablet().previewFrame, CGRectMake(30, 210, 380, 50));
}

TEST_F(ColorPaneTest, OnlyADeviceThatAnswersWithThePadIdiomIsLaidOutAsATablet) {
    runSettings(kOpenTextColour, kIPadSystem7);
    const auto cell = wheelCell("colorPicker");
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->_colorPicker->frame().origin.x, cell->bounds().size.width / 2 - 179);
    EXPECT_EQ(cellWithIdentifier("selectedColor")->frame(), CGRectMake(30, 210, 380, 50));

    UIDevice& device = UIDevice::currentDevice();
    const std::string version = device.systemVersion();
    device.configure(version, UIUserInterfaceIdiomPad, /*answersIdiom=*/false);
    EXPECT_EQ(ColorPaneLayout::forCurrentDevice().wheelOffset, 149) << "a phone's";
    device.configure(version, UIUserInterfaceIdiomPad);
}

TEST_F(ColorPaneTest, AFingerAboveTheWheelScrollsThePaneAndOneDraggedUpTheWheelPicks) {
    runSettings(std::string(kOpenNoteColour) + "drag 160 380 160 80\nwait 0.5\n");
    const auto pane = topPane();
    ASSERT_NE(pane, nullptr);
    const CGFloat scrolled = pane->table()->contentOffset().y;
    EXPECT_GT(scrolled, 0) << "above the wheel the pane scrolls";
    const auto cell = std::dynamic_pointer_cast<ColorWheelCell>(
        pane->cachedCellForSpecifierID("plakkoColorPicker"));
    ASSERT_NE(cell, nullptr);
    const ColorPickerView& wheel = *cell->_colorPicker;
    // Up from the wheel's lower part (still on screen) towards its top.
    const CGFloat lowest = wheel.convertPoint_fromView({0, 550}, nullptr).y;
    const CGPoint from{100, std::min<CGFloat>(lowest, 280)}, to{100, 40};
    more(dragAcross(wheel, from, to));
    EXPECT_EQ(pane->table()->contentOffset().y, scrolled) << "the wheel kept the finger";
    EXPECT_EQ(wheel.selection(), to);
}

TEST_F(ColorPaneTest, SavingAnUntouchedWheelStoresOpaqueWhiteUnderThePanesOwnKeysOnly) {
    runSettings(std::string(kOpenNoteColour) + kSave);
    EXPECT_EQ(noteColour(), (std::vector<float>{1, 1, 1, 1}));
    EXPECT_EQ(preferences().size(), 4u) << "nothing but the four keys";

    more(std::string("back\nwait 0.6\nback\nwait 0.6\n") + kOpenTextColour + kSave);
    EXPECT_EQ(textColour(), (std::vector<float>{1, 1, 1, 1}));
    EXPECT_EQ(preferences().size(), 8u);
}

TEST_F(ColorPaneTest, APickedColourIsStoredAsFourFloatsInOrderAndTheReloadedPreviewShowsIt) {
    writePreferences({{Settings::Key::red, PlistValue::float32(0.25f)},
                      {Settings::Key::green, PlistValue::float32(0.5f)},
                      {Settings::Key::blue, PlistValue::float32(0.75f)}});
    runSettings(kOpenTextColour);
    const Rgba saved = previewColour();
    EXPECT_FLOAT_EQ(saved.red, 0.25);
    EXPECT_FLOAT_EQ(saved.green, 0.5);
    EXPECT_FLOAT_EQ(saved.blue, 0.75);
    EXPECT_EQ(saved.alpha, 1) << "the preview is opaque";

    const auto cell = wheelCell("colorPicker");
    ASSERT_NE(cell, nullptr);
    // The wheel's right edge, half way down: hue 0, fully saturated; brightness from the slider.
    tapAt(*cell->_colorPicker, {289, 150});
    const CGRect track = cell->_brightnessSlider->bounds();
    tapAt(*cell->_brightnessSlider, {track.size.width * 0.6, CGRectGetMidY(track)});
    cell->_colorPicker->setOpacity(0.5);
    const float brightness = cell->_brightnessSlider->value();
    ASSERT_GT(brightness, 0.4f);
    ASSERT_LT(brightness, 0.8f);
    more(kSave);

    EXPECT_EQ(textColour(), (std::vector<float>{brightness, 0, 0, 0.5f}));
    const Rgba shown = previewColour();
    EXPECT_FLOAT_EQ(shown.red, brightness) << "a preview made again after the save";
    EXPECT_EQ(shown.alpha, 1);
    EXPECT_EQ(noteColour(), (std::vector<float>{-1, -1, -1, -1})) << "the other pane's keys";
}

TEST_F(ColorPaneTest, APaneWhoseListHasNoWheelRowSavesNothingAndSaysWhy) {
    runSettings("wait 0.1\n");
    const auto bundle = root_.path() / "Library/PreferenceBundles/Plakko.bundle";
    std::ofstream(bundle / "PlakkoColorController.plist") << R"(<?xml version="1.0"?>
<plist version="1.0"><dict><key>items</key><array>
<dict><key>cell</key><string>PSButtonCell</string><key>action</key><string>apply_plakko</string>
<key>label</key><string>Save</string></dict></array></dict></plist>)";
    SystemLogCapture log;
    more(std::string(kOpenNoteColour) + kSave);
    EXPECT_EQ(noteColour(), (std::vector<float>{-1, -1, -1, -1}));
    const auto messages = log.messages();
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [](const std::string& message) {
                                return message.find("no colour wheel row \"plakkoColorPicker\"") !=
                                       std::string::npos;
                            }),
              1);
}

TEST_F(ColorPaneTest, AColourPickedAndSavedHereTintsTheNoteAtTheNextLockInSpringBoard) {
    writePreferences({{Settings::Key::color, PlistValue::boolean(true)}});
    // The pane scrolled to its end by a finger above the wheel, then across the wheel to its
    // right edge, half way down: red.
    runSettings(std::string(kOpenNoteColour) + "drag 160 380 160 80\nwait 0.5\n");
    const auto cell = wheelCell("plakkoColorPicker");
    ASSERT_NE(cell, nullptr);
    more(dragAcross(*cell->_colorPicker, {200, 150}, {299, 150}) + kSave);
    const std::vector<float> red = noteColour();
    ASSERT_EQ(red[0], 1);
    ASSERT_LT(red[1] + red[2], 0.1);
    ASSERT_EQ(red[3], 1);

    ASSERT_TRUE(runSpringBoard("wait 0.5\nscreenshot " + output("lock.png") + "\ndump-tree " +
                               output("lock.json") + "\n"));
    const json dump = tree("lock.json");
    const json* note = NoteInTree::note(dump);
    ASSERT_NE(note, nullptr);
    const json& frame = (*note)["frame"];
    // Inside the note, left of its text, below its top edge.
    const ScreenPixel tint =
        pixelAt("lock.png", frame[0].get<double>() + 8, frame[1].get<double>() + 40);
    EXPECT_GT(tint.r, 2 * tint.g) << ::testing::PrintToString(tint);
    EXPECT_GT(tint.r, 2 * tint.b) << ::testing::PrintToString(tint);
}

}  // namespace
