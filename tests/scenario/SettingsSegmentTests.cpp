// Segment rows of a test specifier list: the stored value selects its segment (the default when
// nothing fitting is stored), a chosen segment stores its value with the kind the list gives it,
// and lists that don't fit together are logged in one line each and still make usable rows.
#include "platform/foundation/NSNotificationCenter.h"
#include "platform/foundation/SystemLog.h"
#include "platform/settings/PSListController.h"
#include "platform/settings/PSSegmentTableCell.h"
#include "platform/ui/views/UISegmentedControl.h"
#include "tests/scenario/SettingsScenario.h"

namespace {

using nlohmann::json;

constexpr char kDomain[] = "com.ovamo.plakko";

PlistValue text(const char* value) {
    return PlistValue::string(value);
}

PlistValue list(PlistValue::Array entries) {
    return PlistValue::array(std::move(entries));
}

// A segment row storing `key`, with the given extra properties.
PlistValue segmentRow(const char* label, const char* key, PlistDictionary properties) {
    properties.insert({{"cell", text("PSSegmentCell")},
                       {"label", text(label)},
                       {"key", text(key)},
                       {"defaults", text(kDomain)}});
    return PlistValue::dictionary(std::move(properties));
}

class SettingsSegmentTest : public SettingsScenario {
protected:
    void open(PlistValue::Array rows) {
        rows.insert(rows.begin(), PlistValue::dictionary({{"cell", text("PSGroupCell")}}));
        writeSpecifierList("Segments", {{"items", list(std::move(rows))}});
        runSettings("wait 0.1\n");
        openSpecifierList("Segments");
    }

    static std::shared_ptr<UISegmentedControl> segmentsFor(const char* key) {
        auto cell = std::dynamic_pointer_cast<PSSegmentTableCell>(cellForKey(key));
        return cell ? cell->control() : nullptr;
    }

    // A finger taps the middle of segment `index`.
    static void tapSegment(const UISegmentedControl& control, size_t index) {
        const CGRect bounds = control.bounds();
        const CGFloat width = bounds.size.width / static_cast<CGFloat>(control.numberOfSegments());
        tapAt(control, {width * (static_cast<CGFloat>(index) + 0.5), CGRectGetMidY(bounds)});
    }
};

TEST_F(SettingsSegmentTest, TheStoredValueIsSelectedOrElseTheDefaultAndAChoiceIsStoredWithItsKind) {
    writePreferences({{"speed", PlistValue::integer(3)}, {"style", text("italic")}});
    open({segmentRow("Speed", "speed",
                     {{"validValues", list({PlistValue::integer(1), PlistValue::integer(2),
                                            PlistValue::integer(3)})},
                      {"validTitles", list({text("Slow"), text("Medium"), text("Fast")})},
                      {"default", PlistValue::integer(2)},
                      {"PostNotification", text("com.example.segments/changed")}}),
          segmentRow("Style", "style",
                     {{"validValues", list({text("plain"), text("bold")})},
                      {"validTitles", list({text("Plain"), text("Bold")})},
                      {"default", text("bold")}}),
          segmentRow("Size", "size",
                     {{"validValues", list({PlistValue::real(0.5), PlistValue::real(1)})},
                      {"validTitles", list({text("Half"), text("Whole")})}})});

    const auto speed = segmentsFor("speed");
    const auto style = segmentsFor("style");
    const auto size = segmentsFor("size");
    ASSERT_TRUE(speed && style && size);
    EXPECT_EQ(speed->titles(), (std::vector<std::string>{"Slow", "Medium", "Fast"}));
    EXPECT_EQ(speed->selectedSegmentIndex(), 2) << "the stored 3";
    EXPECT_EQ(style->selectedSegmentIndex(), 1) << "\"italic\" is no choice: the default";
    EXPECT_EQ(size->selectedSegmentIndex(), UISegmentedControl::UISegmentedControlNoSegment)
        << "nothing stored, no default";

    int posted = 0;
    const auto subscription = NSNotificationCenter::defaultCenter().addObserverForName(
        "com.example.segments/changed", nullptr, [&](const NSNotification&) { ++posted; });
    tapSegment(*speed, 0);
    EXPECT_EQ(storedValue("speed"), PlistValue::integer(1));
    EXPECT_EQ(posted, 1);
    tapSegment(*style, 0);
    EXPECT_EQ(storedValue("style"), text("plain"));
    tapSegment(*size, 0);
    const PlistValue half = storedValue("size");
    EXPECT_TRUE(half.asReal() != nullptr && half.doubleValue() == 0.5) << "a real, as listed";
    EXPECT_EQ(size->selectedSegmentIndex(), 0);

    more("dump-tree " + output("tree.json") + "\n");
    const json dump = tree("tree.json");
    const json* row = rowWithText(dump, "Speed");
    ASSERT_NE(row, nullptr);
    const std::string dumped = row->dump();
    EXPECT_NE(dumped.find(R"("segments":["Slow","Medium","Fast"])"), std::string::npos) << dumped;
    EXPECT_NE(dumped.find(R"("selectedSegmentIndex":0)"), std::string::npos) << dumped;
}

TEST_F(SettingsSegmentTest, ListsThatDoNotFitTogetherAreLoggedOnceAndStillMakeUsableRows) {
    open({segmentRow("No Values", "none", {{"validTitles", list({text("A")})}}),
          segmentRow("Values Not A List", "scalar", {{"validValues", text("a")}}),
          segmentRow("Short Titles", "short",
                     {{"validValues", list({text("a"), text("b"), text("c")})},
                      {"validTitles", list({text("A"), text("B")})}}),
          segmentRow("Odd Entries", "odd",
                     {{"validValues", list({text("a"), PlistValue::dictionary({}), text("c")})},
                      {"validTitles", list({text("A"), text("B"), PlistValue::integer(7)})}}),
          segmentRow("Fine", "fine",
                     {{"validValues", list({text("x"), text("y")})},
                      {"validTitles", list({text("X"), text("Y")})}})});

    // The cells, and what they log, are made as their rows come on screen.
    SystemLogCapture log;
    const auto none = segmentsFor("none");
    const auto scalar = segmentsFor("scalar");
    const auto shortTitles = segmentsFor("short");
    const auto odd = segmentsFor("odd");
    ASSERT_TRUE(none && scalar && shortTitles && odd && segmentsFor("fine"));
    const auto messages = log.messages();
    ASSERT_EQ(messages.size(), 4u) << "one line for each broken row, none for the fine one";
    EXPECT_NE(messages[0].find("\"No Values\""), std::string::npos) << messages[0];
    EXPECT_NE(messages[2].find("2 entries for 3"), std::string::npos) << messages[2];
    EXPECT_NE(messages[3].find("entry 1"), std::string::npos) << messages[3];
    EXPECT_NE(messages[3].find("entry 2"), std::string::npos) << messages[3];

    EXPECT_EQ(none->numberOfSegments(), 0u);
    EXPECT_EQ(scalar->numberOfSegments(), 0u);
    EXPECT_EQ(shortTitles->titles(), (std::vector<std::string>{"A", "B", "c"}));
    tapSegment(*shortTitles, 2);
    EXPECT_EQ(storedValue("short"), text("c"));
    EXPECT_EQ(odd->titles(), (std::vector<std::string>{"A", "c"})) << "the dictionary left out";
    tapSegment(*odd, 1);
    EXPECT_EQ(storedValue("odd"), text("c"));
    tapAt(*none, {5, 5});
    EXPECT_EQ(storedValue("none"), text("<missing>"));
}

}  // namespace
