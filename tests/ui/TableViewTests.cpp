#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/Typesetter.h"
#include "platform/ui/tables/TableLook.h"
#include "platform/ui/tables/detail/TableSectionTextView.h"
#include "platform/ui/text/UIFont.h"
#include "tests/ui/TableTestSupport.h"
#include "tests/ui/TouchTestSupport.h"

namespace {

// A table filling the 320 by 480 window, laid out, with its data source as its delegate.
class TableTest : public TouchTest {
protected:
    void show(UITableViewStyle style, const std::vector<size_t>& sections) {
        rows_ = std::make_shared<NumberedRows>(sections);
        configure(*rows_);
        table_ = UITableView::make(CGRectMake(0, 0, 320, 480), style);
        table_->setDataSource(rows_);
        table_->setDelegate(rows_);
        window_->addSubview(table_);
        table_->layoutIfNeeded();
    }
    virtual void configure(NumberedRows&) {}

    double presentedOpacity(const UIView& view) const {
        return view.layer()->presentation().opacity;
    }

    std::shared_ptr<NumberedRows> rows_;
    std::shared_ptr<UITableView> table_;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

// Reuse

TEST_F(TableTest, OnlyTheRowsInViewGetCellsAndScrollingReusesThem) {
    show(UITableViewStyle::Plain, {1000});
    EXPECT_EQ(table_->contentSize().height, 44000);
    EXPECT_EQ(rows_->cellsMade, 11) << "480 points of 44-point rows";
    EXPECT_EQ(visibleTitles(*table_).front(), "Row 0");
    EXPECT_EQ(visibleTitles(*table_).back(), "Row 10");

    for (CGFloat y = 0; y <= 44000 - 480; y += 37) table_->setContentOffset({0, y});
    EXPECT_LE(rows_->cellsMade, 12) << "one more at most, while a row straddles each edge";
    table_->setContentOffset({0, 44000 - 480});
    const auto titles = visibleTitles(*table_);
    EXPECT_EQ(titles.back(), "Row 999");
    EXPECT_EQ(titles.size(), table_->subviews().size()) << "no cell left behind off screen";
    EXPECT_EQ(table_->cellForRowAtIndexPath({0, 0}), nullptr);
    const auto last = table_->cellForRowAtIndexPath({0, 999});
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->frame(), CGRectMake(0, 43956, 320, 44));
    EXPECT_EQ(table_->indexPathForCell(last.get()), (NSIndexPath{0, 999}));
}

TEST_F(TableTest, AReusedCellComesBackUnselectedAndCellsWithoutAnIdentifierAreNotKept) {
    show(UITableViewStyle::Plain, {100});
    table_->selectRowAtIndexPath_animated_scrollPosition({0, 0}, false,
                                                         UITableViewScrollPosition::None);
    const auto first = table_->cellForRowAtIndexPath({0, 0});
    EXPECT_TRUE(first->isSelected());
    table_->setContentOffset({0, 1000});
    EXPECT_FALSE(first->isSelected()) << "prepared for reuse";
    EXPECT_EQ(table_->indexPathForSelectedRow(), (NSIndexPath{0, 0})) << "the table remembers";
    table_->setContentOffset({0, 0});
    EXPECT_TRUE(table_->cellForRowAtIndexPath({0, 0})->isSelected());

    EXPECT_EQ(table_->dequeueReusableCellWithIdentifier("nothing"), nullptr);
}

// Geometry

class GroupedTableTest : public TableTest {
protected:
    void configure(NumberedRows& rows) override {
        rows.headers = {"", "General"};
        rows.footers = {"Changes show on the next lock.", ""};
        rows.heights = {{{0, 1}, 80}, {{1, 0}, kNaN}, {{1, 1}, -5}};
    }
};

TEST_F(GroupedTableTest, SectionsStackHeaderRowsAndFooterWithRowsOfTheirOwnHeights) {
    show(UITableViewStyle::Grouped, {3, 2});
    const TableLook& look = table_->look();
    EXPECT_FALSE(look.classic);
    EXPECT_EQ(table_->rectForRowAtIndexPath({0, 0}), CGRectMake(0, 35, 320, 44));
    EXPECT_EQ(table_->rectForRowAtIndexPath({0, 1}), CGRectMake(0, 79, 320, 80));
    EXPECT_EQ(table_->rectForRowAtIndexPath({0, 2}), CGRectMake(0, 159, 320, 44));
    const CGRect footer = table_->rectForFooterInSection(0);
    EXPECT_EQ(footer.origin.y, 203);
    EXPECT_GT(footer.size.height, 20) << "the footer text's lines";
    const CGRect header = table_->rectForHeaderInSection(1);
    EXPECT_EQ(header.origin.y, CGRectGetMaxY(footer));
    EXPECT_GT(header.size.height, 35) << "the gap and the header text";
    EXPECT_EQ(table_->rectForRowAtIndexPath({1, 0}).origin.y, CGRectGetMaxY(header));
    EXPECT_EQ(table_->rectForRowAtIndexPath({1, 0}).size.height, 44) << "NaN means rowHeight";
    EXPECT_EQ(table_->rectForRowAtIndexPath({1, 1}).size.height, 44) << "so does a negative";
    EXPECT_EQ(table_->contentSize().height,
              CGRectGetMaxY(table_->rectForSection(1)) + look.sectionGap);
    EXPECT_EQ(table_->rectForRowAtIndexPath({1, 2}), CGRectZero);
    EXPECT_EQ(table_->rectForRowAtIndexPath({2, 0}), CGRectZero);

    EXPECT_EQ(table_->indexPathForRowAtPoint({10, 100}), (NSIndexPath{0, 1}));
    EXPECT_EQ(table_->indexPathForRowAtPoint({10, 20}), std::nullopt) << "above the group";
    EXPECT_EQ(table_->indexPathForRowAtPoint({10, 210}), std::nullopt) << "on the footer";
}

TEST_F(GroupedTableTest, HeaderTextIsInCapitalsAboveItsGroupAndFootersAsWritten) {
    show(UITableViewStyle::Grouped, {3, 2});
    ASSERT_EQ(table_->headerTextViewForSection(0), nullptr) << "no text, no view";
    const auto header = table_->headerTextViewForSection(1);
    const auto footer = table_->footerTextViewForSection(0);
    ASSERT_NE(header, nullptr);
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(header->label()->text(), "GENERAL");
    EXPECT_EQ(footer->label()->text(), "Changes show on the next lock.");
    header->layoutIfNeeded();
    const CGRect text =
        header->label()->convertRect_toView(header->label()->bounds(), table_.get());
    EXPECT_EQ(text.origin.x, 15);
    EXPECT_LT(CGRectGetMaxY(text), table_->rectForRowAtIndexPath({1, 0}).origin.y);
    EXPECT_GT(CGRectGetMaxY(text), table_->rectForRowAtIndexPath({1, 0}).origin.y - 10);

    table_->setContentOffset({0, table_->contentSize().height - 480});
    table_->layoutIfNeeded();
    EXPECT_NE(table_->headerTextViewForSection(1), nullptr) << "still in view: the table is short";
}

// Long section texts wrap to every line they need, in both looks: the band grows, the rows below
// move down by as much, the text lies whole inside its band, and taps still find the rows.
TEST_F(GroupedTableTest, LongSectionTextsWrapAndPushTheRowsBelowDown) {
    const std::string longText =
        "Changes show on the next lock. This text goes on for long enough to need several "
        "lines in any look, so the section has to make room for all of them.";
    for (const char* version : {"7.0.4", "6.1.3"}) {
        SCOPED_TRACE(version);
        const SystemVersionForTesting system(version);
        show(UITableViewStyle::Grouped, {3, 2});
        const CGFloat shortFooter = table_->rectForFooterInSection(0).size.height;
        const CGFloat shortHeader = table_->rectForHeaderInSection(1).size.height;
        const CGFloat rowBelow = table_->rectForRowAtIndexPath({1, 0}).origin.y;

        rows_->footers[0] = longText;
        rows_->headers[1] = longText;
        table_->reloadData();
        table_->layoutIfNeeded();
        const CGFloat lineHeight =
            Typesetter::sizeOfText("x", table_->look().footerFont->descriptor()).height;
        const CGFloat footerGrowth = table_->rectForFooterInSection(0).size.height - shortFooter;
        const CGFloat headerGrowth = table_->rectForHeaderInSection(1).size.height - shortHeader;
        EXPECT_GE(footerGrowth, 2 * lineHeight) << "three lines at least";
        EXPECT_GE(headerGrowth, 2 * lineHeight);
        EXPECT_EQ(table_->rectForRowAtIndexPath({1, 0}).origin.y,
                  rowBelow + footerGrowth + headerGrowth);

        table_->setContentOffset({0, table_->rectForFooterInSection(0).origin.y});
        table_->layoutIfNeeded();
        const auto footer = table_->footerTextViewForSection(0);
        ASSERT_NE(footer, nullptr);
        footer->layoutIfNeeded();
        const CGRect text =
            footer->label()->convertRect_toView(footer->label()->bounds(), table_.get());
        EXPECT_GE(text.size.height, 3 * lineHeight - 1);
        const CGRect band = table_->rectForFooterInSection(0);
        EXPECT_GE(text.origin.y, band.origin.y);
        EXPECT_LE(CGRectGetMaxY(text), CGRectGetMaxY(band));

        const CGRect row = table_->rectForRowAtIndexPath({1, 0});
        tap({100, CGRectGetMidY(row) - table_->contentOffset().y});
        EXPECT_EQ(table_->indexPathForSelectedRow(), (NSIndexPath{1, 0}));
        table_->removeFromSuperview();
    }
}

TEST_F(GroupedTableTest, APlainTablesHeaderStaysOnTopUntilItsSectionEndsAndGoesUnderTheRows) {
    show(UITableViewStyle::Plain, {3, 20});
    const CGRect header = table_->rectForHeaderInSection(1);
    EXPECT_EQ(header.size.height, table_->look().plainHeaderHeight);
    table_->setContentOffset({0, header.origin.y + 100});
    EXPECT_EQ(table_->headerTextViewForSection(1)->frame().origin.y, header.origin.y + 100)
        << "held at the top of the view";
    EXPECT_EQ(table_->headerTextViewForSection(1)->superview(), table_);
    const auto subviews = table_->subviews();
    EXPECT_EQ(subviews.back(), table_->headerTextViewForSection(1)) << "over the rows";
}

TEST_F(GroupedTableTest, TheClassicLookInsetsItsRoundedGroupsAndLeavesSmallerGaps) {
    const SystemVersionForTesting system("6.1.3");
    show(UITableViewStyle::Grouped, {3, 2});
    EXPECT_TRUE(table_->look().classic);
    EXPECT_EQ(table_->rectForRowAtIndexPath({0, 0}).origin.y, 10);
    const auto cell = table_->cellForRowAtIndexPath({0, 0});
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->backgroundView()->frame(), CGRectMake(10, 0, 300, 44));
    EXPECT_EQ(cell->textLabel()->convertPoint_toView({0, 0}, cell.get()).x, 20);
    EXPECT_EQ(table_->headerTextViewForSection(1)->label()->text(), "General");
}

TEST_F(TableTest, CellStylesPlaceTheirTextImageAndAccessory) {
    const auto value = UITableViewCell::make(UITableViewCellStyle::Value1, "");
    value->setFrame(CGRectMake(0, 0, 320, 44));
    value->textLabel()->setText("Font size");
    value->detailTextLabel()->setText("17");
    value->setAccessoryType(UITableViewCellAccessoryType::DisclosureIndicator);
    value->layoutIfNeeded();
    const auto toCell = [&](const std::shared_ptr<UILabel>& label) {
        return label->convertRect_toView(label->bounds(), value.get());
    };
    EXPECT_EQ(toCell(value->textLabel()).origin.x, 15);
    const CGRect detail = toCell(value->detailTextLabel());
    EXPECT_GT(detail.origin.x, 200) << "the value sits at the trailing edge";
    EXPECT_LE(CGRectGetMaxX(detail), 320 - 15 - 8) << "before the chevron";

    const auto plain = UITableViewCell::make(UITableViewCellStyle::Default, "");
    EXPECT_EQ(plain->detailTextLabel(), nullptr);
    const auto subtitle = UITableViewCell::make(UITableViewCellStyle::Subtitle, "");
    subtitle->setFrame(CGRectMake(0, 0, 320, 60));
    subtitle->detailTextLabel()->setText("below");
    subtitle->layoutIfNeeded();
    EXPECT_LT(subtitle->textLabel()->frame().origin.y,
              subtitle->detailTextLabel()->frame().origin.y);

    const auto custom = std::make_shared<UIView>(CGRectMake(0, 0, 51, 31));
    plain->setFrame(CGRectMake(0, 0, 320, 44));
    plain->setAccessoryView(custom);
    plain->layoutIfNeeded();
    EXPECT_EQ(custom->frame(), CGRectMake(320 - 15 - 51, 6.5, 51, 31));
    EXPECT_LE(CGRectGetMaxX(plain->contentView()->frame()), custom->frame().origin.x);

    // A cell made by class name takes its style afterwards.
    auto named = std::static_pointer_cast<UITableViewCell>(
        class_createInstance(objc_getClass("UITableViewCell")));
    ASSERT_NE(named, nullptr);
    named->initWithStyle_reuseIdentifier(UITableViewCellStyle::Value1, "named");
    EXPECT_NE(named->detailTextLabel(), nullptr);
    EXPECT_EQ(named->reuseIdentifier(), "named");
}

// Selection

TEST_F(TableTest, ATapHighlightsTheRowWhileDownThenSelectsItAndTellsTheDelegate) {
    show(UITableViewStyle::Plain, {30});
    const auto cell = table_->cellForRowAtIndexPath({0, 3});
    finger_.fingerDown({100, 3 * 44 + 20});
    EXPECT_TRUE(cell->isHighlighted());
    finger_.fingerUp({100, 3 * 44 + 20});
    EXPECT_FALSE(cell->isHighlighted());
    EXPECT_TRUE(cell->isSelected());
    EXPECT_EQ(rows_->selections, (std::vector<NSIndexPath>{{0, 3}}));

    table_->deselectRowAtIndexPath_animated({0, 3}, true);
    EXPECT_FALSE(cell->isSelected());
    EXPECT_EQ(table_->indexPathForSelectedRow(), std::nullopt);

    tap({100, 5 * 44 + 20});
    tap({100, 6 * 44 + 20});
    EXPECT_FALSE(table_->cellForRowAtIndexPath({0, 5})->isSelected()) << "one row at a time";
    EXPECT_EQ(table_->indexPathForSelectedRow(), (NSIndexPath{0, 6}));
}

TEST_F(TableTest, ADragScrollsWithoutSelectingAndNoSelectionMeansNoHighlight) {
    show(UITableViewStyle::Plain, {30});
    const auto cell = table_->cellForRowAtIndexPath({0, 5});
    drag({100, 5 * 44 + 20}, {100, 20});
    EXPECT_GT(table_->contentOffset().y, 100);
    EXPECT_FALSE(cell->isHighlighted());
    EXPECT_TRUE(rows_->selections.empty());
    EXPECT_EQ(table_->indexPathForSelectedRow(), std::nullopt);

    table_->setAllowsSelection(false);
    finger_.fingerDown({100, 300});
    for (const auto& shown : table_->visibleCells()) EXPECT_FALSE(shown->isHighlighted());
    finger_.fingerUp({100, 300});
    EXPECT_TRUE(rows_->selections.empty());
}

// Row changes

TEST_F(TableTest, DeletedRowsFadeOutWhileTheRowsBelowMoveUpThenTheirCellsAreReused) {
    show(UITableViewStyle::Plain, {20});
    const auto second = table_->cellForRowAtIndexPath({0, 2});
    const auto third = table_->cellForRowAtIndexPath({0, 3});
    const auto below = table_->cellForRowAtIndexPath({0, 4});
    auto& section = rows_->rows[0];
    section.erase(section.begin() + 2, section.begin() + 4);
    table_->deleteRowsAtIndexPaths_withRowAnimation({{0, 2}, {0, 3}},
                                                    UITableViewRowAnimation::Fade);

    EXPECT_EQ(table_->cellForRowAtIndexPath({0, 2}), below) << "the next row moved up at once";
    EXPECT_EQ(below->frame().origin.y, 88);
    EXPECT_EQ(table_->numberOfRowsInSection(0), 18u);
    EXPECT_EQ(second->superview(), table_) << "still fading";
    advance(UITableView::kRowAnimationDuration / 2);
    EXPECT_GT(presentedOpacity(*second), 0.1);
    EXPECT_LT(presentedOpacity(*second), 0.9);
    const CGFloat midway = below->layer()->presentation().position.y - 22;
    EXPECT_GT(midway, 88);
    EXPECT_LT(midway, 176);
    advance(UITableView::kRowAnimationDuration);
    EXPECT_EQ(second->superview(), nullptr);
    EXPECT_EQ(third->superview(), nullptr);
    EXPECT_EQ(second->alpha(), 1) << "ready to show again";
    EXPECT_EQ(visibleTitles(*table_)[2], "Row 4");
    EXPECT_EQ(visibleTitles(*table_).size(), 11u) << "rows from below fill the view";
    const int made = rows_->cellsMade;
    table_->setContentOffset({0, 200});
    EXPECT_EQ(rows_->cellsMade, made) << "the faded cells were queued for reuse";
}

TEST_F(TableTest, ADeletionTheDataSourceDoesNotAgreeWithReloadsAndSaysSo) {
    show(UITableViewStyle::Plain, {20});
    const SystemLogCapture log;
    table_->deleteRowsAtIndexPaths_withRowAnimation({{0, 2}}, UITableViewRowAnimation::Fade);
    EXPECT_EQ(log.messages().size(), 1u);
    EXPECT_EQ(table_->numberOfRowsInSection(0), 20u);
    EXPECT_EQ(visibleTitles(*table_)[2], "Row 2");
    table_->deleteRowsAtIndexPaths_withRowAnimation({{3, 0}, {0, 99}},
                                                    UITableViewRowAnimation::None);
    EXPECT_EQ(table_->numberOfRowsInSection(0), 20u) << "rows that don't exist delete nothing";
}

TEST_F(TableTest, DeletingTheRowsAtTheEndKeepsTheOffsetWithinTheContent) {
    show(UITableViewStyle::Plain, {30});
    table_->setContentOffset({0, 30 * 44 - 480});
    rows_->rows[0].resize(12);
    std::vector<NSIndexPath> gone;
    for (size_t row = 12; row < 30; ++row) gone.push_back({0, row});
    table_->deleteRowsAtIndexPaths_withRowAnimation(gone, UITableViewRowAnimation::None);
    EXPECT_EQ(table_->contentOffset().y, 12 * 44 - 480);
    EXPECT_EQ(visibleTitles(*table_).back(), "Row 11");
}

TEST_F(TableTest, AReloadedRowFadesToItsNewCell) {
    show(UITableViewStyle::Plain, {20});
    const auto old = table_->cellForRowAtIndexPath({0, 1});
    rows_->rows[0][1] = "Changed";
    table_->reloadRowsAtIndexPaths_withRowAnimation({{0, 1}}, UITableViewRowAnimation::Fade);
    const auto renewed = table_->cellForRowAtIndexPath({0, 1});
    ASSERT_NE(renewed, old);
    EXPECT_EQ(renewed->textLabel()->text(), "Changed");
    advance(UITableView::kRowAnimationDuration / 2);
    EXPECT_GT(presentedOpacity(*renewed), 0.1);
    EXPECT_LT(presentedOpacity(*renewed), 0.9);
    advance(UITableView::kRowAnimationDuration);
    EXPECT_EQ(old->superview(), nullptr);
    EXPECT_EQ(presentedOpacity(*renewed), 1);
}

TEST_F(TableTest, ScrollingToARowPutsItWhereAskedWithinTheContent) {
    show(UITableViewStyle::Plain, {100});
    table_->scrollToRowAtIndexPath_atScrollPosition_animated({0, 50},
                                                             UITableViewScrollPosition::Top, false);
    EXPECT_EQ(table_->contentOffset().y, 50 * 44);
    table_->scrollToRowAtIndexPath_atScrollPosition_animated(
        {0, 50}, UITableViewScrollPosition::Middle, false);
    EXPECT_EQ(table_->contentOffset().y, 50 * 44 + 22 - 240);
    table_->scrollToRowAtIndexPath_atScrollPosition_animated({0, 99},
                                                             UITableViewScrollPosition::Top, true);
    advance(1);
    EXPECT_EQ(table_->contentOffset().y, 100 * 44 - 480) << "no further than the content's end";
    EXPECT_NE(table_->cellForRowAtIndexPath({0, 99}), nullptr);
    table_->scrollToRowAtIndexPath_atScrollPosition_animated(
        {0, 99}, UITableViewScrollPosition::None, false);
    EXPECT_EQ(table_->contentOffset().y, 100 * 44 - 480) << "already in view";
}

// Bad answers

class NoCells : public NumberedRows {
public:
    using NumberedRows::NumberedRows;
    std::shared_ptr<UITableViewCell> tableView_cellForRowAtIndexPath(UITableView*,
                                                                     NSIndexPath) override {
        return nullptr;
    }
};

TEST_F(TableTest, ADataSourceThatGivesNoCellGetsEmptyRowsAndALogLine) {
    const SystemLogCapture log;
    auto source = std::make_shared<NoCells>(std::vector<size_t>{3});
    auto table = UITableView::make(CGRectMake(0, 0, 320, 480), UITableViewStyle::Grouped);
    table->setDataSource(source);
    table->layoutIfNeeded();
    EXPECT_EQ(table->visibleCells().size(), 3u);
    EXPECT_EQ(log.messages().size(), 3u);

    auto orphan = UITableView::make(CGRectMake(0, 0, 320, 480), UITableViewStyle::Plain);
    {
        auto gone = std::make_shared<NumberedRows>(std::vector<size_t>{3});
        orphan->setDataSource(gone);
    }
    orphan->layoutIfNeeded();
    EXPECT_EQ(orphan->numberOfSections(), 0u) << "a data source that went away shows nothing";
}
