#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/ui/tables/NSIndexPath.h"
#include "platform/ui/tables/UITableViewCell.h"
#include "platform/ui/tables/UITableViewDataSource.h"
#include "platform/ui/tables/UITableViewDelegate.h"
#include "platform/ui/tables/detail/TableGeometry.h"
#include "platform/ui/views/UIScrollView.h"

class TableSectionTextView;
struct TableLook;

enum class UITableViewStyle { Plain, Grouped };
enum class UITableViewRowAnimation { None, Fade, Automatic };
enum class UITableViewScrollPosition { None, Top, Middle, Bottom };

// A scrolling list of rows in sections, each section with optional header and footer text.
// Only the rows in view have cells: as the table scrolls, cells leaving the view wait in a queue
// under their reuse identifier, and the data source takes them back with
// dequeueReusableCellWithIdentifier for rows coming into view. A finger lifted on a row selects
// it (highlighted while the finger is down) and tells the delegate. A plain table's section
// header stays at the top while its section scrolls under it.
//
// Ownership: the table owns the cells on screen, the cells waiting for reuse and the cells still
// fading out; the data source and the delegate are not owned.
class UITableView : public UIScrollView {
    RUNTIME_CLASS(UITableView)
    UITableView();
    UITableView(CGRect frame, UITableViewStyle style);
    ~UITableView() override;
    static std::shared_ptr<UITableView> make(CGRect frame, UITableViewStyle style);

    UITableViewStyle style() const { return style_; }
    // The look the table was made in (the device's system's).
    const TableLook& look() const { return look_; }

    std::shared_ptr<UITableViewDataSource> dataSource() const { return dataSource_.lock(); }
    // The table asks the new data source for everything again at the next layout.
    void setDataSource(const std::shared_ptr<UITableViewDataSource>& dataSource);
    std::shared_ptr<UITableViewDelegate> delegate() const { return delegate_.lock(); }
    // Also the scroll view's delegate.
    void setDelegate(const std::shared_ptr<UITableViewDelegate>& delegate);

    static constexpr CGFloat kDefaultRowHeight = 44;
    CGFloat rowHeight() const { return rowHeight_; }
    // Heights that are not finite or are negative are ignored.
    void setRowHeight(CGFloat height);
    bool allowsSelection() const { return allowsSelection_; }
    void setAllowsSelection(bool allows);

    // Asks the data source for everything again; the cells on screen go back to the reuse queue.
    void reloadData();
    // A cell that left the screen with this identifier, made ready by prepareForReuse; null when
    // none waits.
    std::shared_ptr<UITableViewCell> dequeueReusableCellWithIdentifier(
        const std::string& identifier);

    size_t numberOfSections();
    size_t numberOfRowsInSection(size_t section);
    // The cell showing the row, or null when the row is not on screen.
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath indexPath) const;
    // In row order.
    std::vector<std::shared_ptr<UITableViewCell>> visibleCells() const;
    std::vector<NSIndexPath> indexPathsForVisibleRows() const;
    std::optional<NSIndexPath> indexPathForCell(const UITableViewCell* cell) const;
    // `point` in the table's content coordinates.
    std::optional<NSIndexPath> indexPathForRowAtPoint(CGPoint point);

    // In content coordinates; empty for rows and sections that don't exist.
    CGRect rectForRowAtIndexPath(NSIndexPath indexPath);
    CGRect rectForSection(size_t section);
    CGRect rectForHeaderInSection(size_t section);
    CGRect rectForFooterInSection(size_t section);
    // The header or footer text on screen for a section, or null.
    std::shared_ptr<TableSectionTextView> headerTextViewForSection(size_t section) const;
    std::shared_ptr<TableSectionTextView> footerTextViewForSection(size_t section) const;

    // Scrolls so the row is at the top, middle or bottom of the view (None: the least scroll that
    // shows it), within the content. Rows that don't exist are ignored.
    void scrollToRowAtIndexPath_atScrollPosition_animated(NSIndexPath indexPath,
                                                          UITableViewScrollPosition position,
                                                          bool animated);

    std::optional<NSIndexPath> indexPathForSelectedRow() const { return selected_; }
    // One row at a time is selected; the delegate is not told.
    void selectRowAtIndexPath_animated_scrollPosition(NSIndexPath indexPath, bool animated,
                                                      UITableViewScrollPosition position);
    void deselectRowAtIndexPath_animated(NSIndexPath indexPath, bool animated);

    // The data source already answers the counts without the rows. Animated, the rows fade out
    // over kRowAnimationDuration while the rows below move up. When the data source's counts
    // don't agree with the change, it is logged and the table reloads.
    void deleteRowsAtIndexPaths_withRowAnimation(const std::vector<NSIndexPath>& indexPaths,
                                                 UITableViewRowAnimation animation);
    // New cells for the rows; animated, they fade in as the old ones fade out.
    void reloadRowsAtIndexPaths_withRowAnimation(const std::vector<NSIndexPath>& indexPaths,
                                                 UITableViewRowAnimation animation);

    static constexpr double kRowAnimationDuration = 0.3;

    void layoutSubviews() override;
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;

protected:
    void contentOffsetDidChange() override;

private:
    using CellMap = std::map<NSIndexPath, std::shared_ptr<UITableViewCell>>;
    enum class TextKind { Header, Footer };
    using SectionTextKey = std::pair<size_t, TextKind>;

    void ensureLoaded();
    // Asks the data source and the delegate for the sections, rows, heights and texts.
    void loadGeometry();
    // Makes and places the cells and section texts in view, and queues the others for reuse.
    void layoutVisibleContent();
    void placeCell(UITableViewCell& cell, NSIndexPath indexPath);
    void placeVisibleCells();
    void layoutSectionTexts(CGRect visible);
    CGRect headerFrame(size_t section, CGRect visible) const;
    std::shared_ptr<UITableViewCell> makeCell(NSIndexPath indexPath);
    void enqueueCell(const std::shared_ptr<UITableViewCell>& cell);
    // Fades the cells out over the row animation, under the rows on screen, then queues them;
    // `alongside` runs inside the animation.
    void fadeOutCells(const std::vector<std::shared_ptr<UITableViewCell>>& cells,
                      const std::function<void()>& alongside);
    void keepOffsetWithinContent();
    void unhighlightTouchedRow();
    std::shared_ptr<TableSectionTextView> sectionTextView(size_t section, TextKind kind) const;

    UITableViewStyle style_ = UITableViewStyle::Plain;
    const TableLook& look_;
    std::weak_ptr<UITableViewDataSource> dataSource_;
    std::weak_ptr<UITableViewDelegate> delegate_;
    CGFloat rowHeight_ = kDefaultRowHeight;
    bool allowsSelection_ = true;

    bool loaded_ = false;
    bool layingOut_ = false;
    TableGeometry geometry_;
    CGFloat geometryWidth_ = 0;
    // Each section's header and footer text.
    std::vector<std::pair<std::string, std::string>> sectionTexts_;

    std::shared_ptr<UIView> backgroundView_;
    CellMap cells_;
    std::unordered_map<std::string, std::vector<std::shared_ptr<UITableViewCell>>> reusable_;
    std::vector<std::shared_ptr<UITableViewCell>> fading_;
    std::map<SectionTextKey, std::shared_ptr<TableSectionTextView>> sectionTextViews_;

    std::optional<NSIndexPath> selected_;
    std::optional<NSIndexPath> touched_;
};
