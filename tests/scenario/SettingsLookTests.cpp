// The Plakko pane in both looks, checked at a handful of points of a screenshot (looked at when
// written): the background, a row, a separator between rows and the "Enabled" switch, which is on
// (green from system 7, blue with its knob at the right end before).
#include "platform/settings/PSListController.h"
#include "platform/settings/PSTableCell.h"
#include "platform/ui/tables/UITableView.h"
#include "tests/scenario/SettingsScenario.h"

namespace {

constexpr ScreenPixel kWhite{255, 255, 255};
constexpr ScreenPixel kSwitchOn{76, 217, 100};  // #4CD964
constexpr int kTolerance = 12;

class SettingsLookTest : public SettingsScenario {
protected:
    void shootPlakkoPane(DeviceProfileName device) {
        runSettings("tap-row Plakko\nwait 0.6\nscreenshot " + output("pane.png") + "\n", device);
    }

    // Where the Opacity row began on screen when the shot was taken: the separator under Font
    // Size lies there. Finding the row's cell scrolls, so the table is put back first.
    static double opacityRowTop() {
        const auto& table = topPane()->table();
        const CGPoint shot = table->contentOffset();
        const auto path = table->indexPathForCell(cellForKey("alpha").get());
        table->setContentOffset(shot);
        return table->convertPoint_toView(table->rectForRowAtIndexPath(*path).origin, nullptr).y;
    }

    // Whether some pixel of the column at `x`, from `top` to `bottom` (points), is `colour`.
    bool columnHas(double x, double top, double bottom, ScreenPixel colour) const {
        for (double y = top; y <= bottom; y += 0.5) {
            if (pixelAt("pane.png", x, y).isNear(colour, kTolerance)) return true;
        }
        return false;
    }
};

TEST_F(SettingsLookTest, System7IsWhiteRowsOnLightGreyWithHairlinesAndAGreenSwitch) {
    shootPlakkoPane(kIPhone5System7);
    EXPECT_TRUE(pixelAt("pane.png", 160, 80).isNear({239, 239, 244}, kTolerance))
        << "the grouped background #EFEFF4 above the first group";
    EXPECT_TRUE(pixelAt("pane.png", 200, 120).isNear(kWhite, 2)) << "the Enabled row";
    const double separator = opacityRowTop();
    EXPECT_TRUE(columnHas(100, separator - 1, separator + 0.5, {200, 199, 204}))
        << "the separator #C8C7CC";
    EXPECT_TRUE(pixelAt("pane.png", 265, 121).isNear(kSwitchOn, kTolerance));
}

TEST_F(SettingsLookTest, BeforeSystem7IsRoundedGroupsOnPinstripesWithWideBlueSwitches) {
    shootPlakkoPane(kIPhone4SSystem6);
    const ScreenPixel stripes = pixelAt("pane.png", 5, 300);
    EXPECT_TRUE(stripes.isNear({197, 204, 212}, kTolerance) ||
                stripes.isNear({203, 210, 216}, kTolerance))
        << "the blue-grey pinstripes beside the groups";
    EXPECT_TRUE(pixelAt("pane.png", 150, 94).isNear(kWhite, 2)) << "the Enabled row";
    EXPECT_FALSE(pixelAt("pane.png", 10.5, 74.5).isNear(kWhite, 2)) << "the group's rounded corner";
    bool separator = false;
    const double opacityTop = opacityRowTop();
    for (double y = opacityTop - 1; y <= opacityTop + 0.5 && !separator; y += 0.5) {
        const ScreenPixel pixel = pixelAt("pane.png", 100, y);
        separator = !pixel.isNear(kWhite, 12);
    }
    EXPECT_TRUE(separator) << "a line between Font Size and Opacity";
    EXPECT_TRUE(pixelAt("pane.png", 226, 96).isNear({22, 124, 229}, 24))
        << "the Enabled switch's blue ON side";
    EXPECT_TRUE(pixelAt("pane.png", 286, 96).isNear({232, 232, 232}, 16))
        << "its knob at the right end";
}

}  // namespace
