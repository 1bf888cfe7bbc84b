// Bad settings bundles and specifier lists: each is logged in one line and leaves a usable app.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/SystemLog.h"
#include "platform/settings/PSListController.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSTableCell.h"
#include "platform/settings/PSUnavailableController.h"
#include "platform/settings/SettingsApp.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/views/UIApplication.h"
#include "sim/SimulatorCommand.h"
#include "tests/scenario/SettingsScenario.h"

namespace {

PlistValue item(PlistDictionary properties) {
    return PlistValue::dictionary(std::move(properties));
}

PlistValue text(const char* value) {
    return PlistValue::string(value);
}

class SettingsBadInputTest : public SettingsScenario {
protected:
    // A loader entry for the bundle `bundle`, labelled the same.
    void writeEntry(const std::string& bundle) {
        std::filesystem::create_directories(root_ / "/Library/PreferenceLoader/Preferences");
        ASSERT_TRUE(PropertyListFile::writeToFile(
            {{"entry", item({{"cell", text("PSLinkCell")},
                             {"bundle", PlistValue::string(bundle)},
                             {"label", PlistValue::string(bundle)}})}},
            "/Library/PreferenceLoader/Preferences/" + bundle + ".plist",
            PropertyListFile::Write::Atomically));
    }

    static std::string footerOf(PSListController& pane) {
        for (const auto& specifier : pane.specifiers()) {
            if (auto footer = specifier->stringProperty("footerText")) return *footer;
        }
        return "";
    }
};

TEST_F(SettingsBadInputTest, AMissingOrUnreadableListGivesAnEmptyPaneAndOneLogLine) {
    runSettings("wait 0.1\n");
    SystemLogCapture log;
    auto missing = openSpecifierList("Missing");
    EXPECT_TRUE(missing->specifiers().empty());
    EXPECT_EQ(log.messages().size(), 1u);

    std::filesystem::create_directories(root_ / kTestBundle);
    std::ofstream(root_ / (std::string(kTestBundle) + "/Garbled.plist")) << "<plist><dict><key>";
    auto garbled = openSpecifierList("Garbled");
    EXPECT_TRUE(garbled->specifiers().empty());
    EXPECT_EQ(log.messages().size(), 2u);
}

TEST_F(SettingsBadInputTest, BadItemsAreLoggedAndSkippedOrShownPlain) {
    writeSpecifierList(
        "Items",
        {{"items", PlistValue::array({
                       item({{"label", text("No Cell")}}),
                       text("not a dictionary"),
                       item({{"cell", text("PSBogusCell")}, {"label", text("Bogus Kind")}}),
                       item({{"cell", text("PSSwitchCell")},
                             {"cellClass", text("NoSuchCell")},
                             {"label", text("Unknown Class")}}),
                       item({{"cell", text("PSLinkCell")},
                             {"detail", text("NoSuchController")},
                             {"label", text("Missing Pane")}}),
                       item({{"cell", text("PSButtonCell")},
                             {"action", text("noSuchAction")},
                             {"label", text("Unimplemented")}}),
                   })}});
    runSettings("wait 0.1\n");
    SystemLogCapture log;
    auto pane = openSpecifierList("Items");
    ASSERT_EQ(pane->specifiers().size(), 4u);
    more("dump-tree " + output("items.json") + "\n");
    // The item without a cell, the one that isn't a dictionary, the unknown kind and, once the
    // rows are on screen, the unknown cell class.
    EXPECT_EQ(log.messages().size(), 4u);
    const auto dump = tree("items.json");
    EXPECT_NE(rowWithText(dump, "Bogus Kind"), nullptr);
    const auto* unknownClass = rowWithText(dump, "Unknown Class");
    ASSERT_NE(unknownClass, nullptr);
    EXPECT_EQ((*unknownClass)["class"], "PSTableCell");
    EXPECT_EQ(lastViewOfClass(dump, "UISwitch"), nullptr) << "a plain cell, not a switch";

    const size_t before = log.messages().size();
    more("tap-row Unimplemented\nwait 0.1\n");
    EXPECT_EQ(log.messages().size(), before + 1);
    EXPECT_EQ(topPane(), pane);

    more("tap-row \"Missing Pane\"\nwait 0.6\ndump-tree " + output("missing.json") + "\n");
    auto unavailable = topPane();
    ASSERT_NE(unavailable, nullptr);
    EXPECT_TRUE(unavailable->isKindOfClass(PSUnavailableController::classObject()));
    EXPECT_NE(rowWithText(tree("missing.json"), "Not Available"), nullptr);
    EXPECT_EQ(log.messages().size(), before + 2);
}

TEST_F(SettingsBadInputTest, ABundleWithoutAnExecutableOrWithABrokenOneSaysSoWhenTapped) {
    writeEntry("NoExecutable");
    writeEntry("BrokenExecutable");
    std::filesystem::create_directories(root_ /
                                        "/Library/PreferenceBundles/BrokenExecutable.bundle");
    std::ofstream(root_ / "/Library/PreferenceBundles/BrokenExecutable.bundle/BrokenExecutable")
        << "not a shared object";
    runSettings("tap-row NoExecutable\nwait 0.6\n");
    auto missing = topPane();
    ASSERT_TRUE(missing->isKindOfClass(PSUnavailableController::classObject()));
    EXPECT_NE(footerOf(*missing).find("executable"), std::string::npos) << footerOf(*missing);

    more("back\nwait 0.6\ntap-row BrokenExecutable\nwait 0.6\n");
    auto broken = topPane();
    ASSERT_TRUE(broken->isKindOfClass(PSUnavailableController::classObject()));
    EXPECT_NE(footerOf(*broken).find("can't be loaded"), std::string::npos) << footerOf(*broken);

    more("back\nwait 0.6\ntap-row Plakko\nwait 0.6\n");
    EXPECT_EQ(topPane()->title(), "Plakko") << "the good bundle still opens";
}

TEST_F(SettingsBadInputTest, TapRowNamesTheRowsOnScreenWhenItFindsNoneAndBackNeedsAPaneToLeave) {
    for (const auto& [script, reason] :
         {std::pair{"tap-row Nowhere\n",
                    "no row \"Nowhere\" in the table; rows on the screen: \"General\", \"Plakko\""},
          std::pair{"back\n", "the first pane has nothing to go back to"}}) {
        const std::string file = (root_.path() / "script.txt").string();
        std::ofstream(file) << script;
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(
            runSimulator({"--root", root_.path().string(), "--scene", "settings", "--script", file},
                         in, out, err),
            1);
        EXPECT_NE(err.str().find(reason), std::string::npos) << err.str();
    }
}

}  // namespace
