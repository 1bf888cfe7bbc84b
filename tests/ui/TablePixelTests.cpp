#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/tables/TableLook.h"
#include "tests/support/VirtualTimeTest.h"
#include "tests/ui/ScreenPicture.h"
#include "tests/ui/TableTestSupport.h"

namespace {

// A small grouped table (two rows and one row, with disclosure chevrons) filling a visible
// 320 by 480 window, drawn in the look of the system version given.
class TablePictureTest : public VirtualTimeTest {
protected:
    void show(const std::string& systemVersion) {
        makeTable(systemVersion);
        window_->addSubview(table_);
        window_->makeKeyAndVisible();
    }

    // The table as the second pane of a navigation controller filling the window.
    void showInNavigation(const std::string& systemVersion) {
        makeTable(systemVersion);
        auto root = std::make_shared<UIViewController>();
        root->setTitle("Settings");
        auto pane = std::make_shared<UIViewController>();
        pane->setTitle("General");
        pane->setView(table_);
        window_->setRootViewController(UINavigationController::make(root));
        std::static_pointer_cast<UINavigationController>(window_->rootViewController())
            ->pushViewController_animated(pane, false);
        window_->makeKeyAndVisible();
    }

    void makeTable(const std::string& systemVersion) {
        system_ = std::make_unique<SystemVersionForTesting>(systemVersion);
        rows_->accessory = UITableViewCellAccessoryType::DisclosureIndicator;
        table_ = UITableView::make(CGRectMake(0, 0, 320, 480), UITableViewStyle::Grouped);
        table_->setDataSource(rows_);
    }
    ~TablePictureTest() override { UIApplication::sharedApplication().removeWindow(window_.get()); }

    // Set TABLE_PICTURES to a folder to look at what the tests see.
    static void keep(const ScreenPicture& screen, const std::string& name) {
        if (const char* folder = std::getenv("TABLE_PICTURES"))
            screen.writePNG(std::string(folder) + "/" + name + ".png");
    }

    // The darkest pixel in a box of points, where a thin mark is drawn.
    static Rgb darkest(const ScreenPicture& screen, CGRect box) {
        Rgb found{255, 255, 255};
        for (CGFloat y = box.origin.y; y < CGRectGetMaxY(box); y += 0.5)
            for (CGFloat x = box.origin.x; x < CGRectGetMaxX(box); x += 0.5) {
                const Rgb c = screen.at(x, y);
                if (c.r + c.g + c.b < found.r + found.g + found.b) found = c;
            }
        return found;
    }

    std::unique_ptr<SystemVersionForTesting> system_;
    std::shared_ptr<NumberedRows> rows_ = std::make_shared<NumberedRows>(std::vector<size_t>{2, 1});
    std::shared_ptr<UIWindow> window_ = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    std::shared_ptr<UITableView> table_;
};

}  // namespace

TEST_F(TablePictureTest, FlatLookWhiteRowsOnLightGreyWithInsetHairlines) {
    show("7.0.4");
    const ScreenPicture screen;
    keep(screen, "table-flat");
    EXPECT_EQ(screen.at(5, 10), (Rgb{0xEF, 0xEF, 0xF4})) << "background";
    EXPECT_EQ(screen.at(200, 57), kWhite) << "row";
    const Rgb separator{0xC8, 0xC7, 0xCC};
    EXPECT_EQ(screen.at(100, 78.5), separator) << "between the rows: one device pixel";
    EXPECT_EQ(screen.at(100, 78), kWhite) << "the pixel above it is the row's";
    EXPECT_EQ(screen.at(5, 78.5), kWhite) << "inset 15 points";
    EXPECT_EQ(screen.at(5, 35), separator) << "the group's top line runs the whole width";
    EXPECT_EQ(screen.at(5, 122.5), separator) << "so does its bottom line";
    EXPECT_TRUE(near(darkest(screen, CGRectMake(296, 49, 10, 16)), Rgb{0xC7, 0xC7, 0xCC}, 6))
        << "chevron";
}

TEST_F(TablePictureTest, ClassicLookRoundedBorderedGroupsOnPinstripes) {
    show("6.1.3");
    const ScreenPicture screen;
    keep(screen, "table-classic");
    EXPECT_EQ(screen.at(1, 5), (Rgb{0xC5, 0xCC, 0xD4})) << "pinstripe ground";
    EXPECT_EQ(screen.at(3.5, 5), (Rgb{0xCB, 0xD2, 0xD8})) << "pinstripe stripe";
    EXPECT_EQ(screen.at(200, 32), kWhite) << "row";
    const Rgb border{0xAB, 0xAB, 0xAB};
    EXPECT_TRUE(near(screen.at(10, 32), border, 8)) << "the group's left border, 10 points in";
    EXPECT_EQ(screen.at(100, 53.5), border) << "the line between rows";
    EXPECT_EQ(screen.at(10.5, 10.5), (Rgb{0xC5, 0xCC, 0xD4})) << "outside the rounded corner";
    EXPECT_TRUE(near(darkest(screen, CGRectMake(290, 24, 12, 16)), Rgb{0x80, 0x80, 0x80}, 8))
        << "chevron";
}

TEST_F(TablePictureTest, FlatNavigationBarNearWhiteWithATintedBackChevron) {
    showInNavigation("7.0.4");
    const ScreenPicture screen;
    keep(screen, "navigation-flat");
    EXPECT_EQ(screen.at(300, 5), (Rgb{0xF7, 0xF7, 0xF7})) << "behind the status bar";
    EXPECT_EQ(screen.at(300, 40), (Rgb{0xF7, 0xF7, 0xF7})) << "bar";
    EXPECT_EQ(screen.at(300, 63.5), (Rgb{0xB2, 0xB2, 0xB2})) << "the bar's bottom line";
    EXPECT_TRUE(near(darkest(screen, CGRectMake(6, 30, 16, 24)), Rgb{0x00, 0x7A, 0xFF}, 8))
        << "back chevron";
    EXPECT_EQ(screen.at(5, 70), (Rgb{0xEF, 0xEF, 0xF4})) << "the pane's table below the bar";
}

TEST_F(TablePictureTest, ClassicNavigationBarBlueGreyGradientUnderABlackStatusBar) {
    showInNavigation("6.1.3");
    const ScreenPicture screen;
    keep(screen, "navigation-classic");
    EXPECT_EQ(screen.at(300, 5), kBlack) << "behind the status bar";
    EXPECT_TRUE(near(screen.at(300, 20), Rgb{0xB0, 0xBC, 0xCD}, 3)) << "the gradient's top";
    EXPECT_TRUE(near(screen.at(300, 63), Rgb{0x6D, 0x84, 0xA2}, 4)) << "the gradient's bottom";
    EXPECT_TRUE(near(screen.at(70, 52), Rgb{0x5E, 0x76, 0x99}, 4)) << "the back button's face";
}
