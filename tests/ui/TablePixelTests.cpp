#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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
        system_ = std::make_unique<SystemVersionForTesting>(systemVersion);
        rows_->accessory = UITableViewCellAccessoryType::DisclosureIndicator;
        table_ = UITableView::make(CGRectMake(0, 0, 320, 480), UITableViewStyle::Grouped);
        table_->setDataSource(rows_);
        window_->addSubview(table_);
        window_->makeKeyAndVisible();
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
