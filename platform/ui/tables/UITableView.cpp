#include "platform/ui/tables/UITableView.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/tables/TableLook.h"
#include "platform/ui/tables/detail/PinstripeView.h"
#include "platform/ui/tables/detail/TableSectionTextView.h"
#include "platform/ui/touches/UITouch.h"

Class UITableView::classObject() {
    static const Class cls = defineClass<UITableView>("UITableView", UIScrollView::classObject());
    return cls;
}

UITableView::UITableView() : UITableView(CGRectZero, UITableViewStyle::Plain) {}

UITableView::UITableView(CGRect frame, UITableViewStyle style)
    : UIScrollView(frame), style_(style), look_(TableLook::current()) {
    if (style_ == UITableViewStyle::Plain) {
        setBackgroundColor(UIColor::whiteColor());
    } else if (look_.groupedBackground) {
        setBackgroundColor(look_.groupedBackground);
    } else {
        backgroundView_ = std::make_shared<PinstripeView>();
    }
    setClipsToBounds(true);
}

UITableView::~UITableView() = default;

std::shared_ptr<UITableView> UITableView::make(CGRect frame, UITableViewStyle style) {
    return std::make_shared<UITableView>(frame, style);
}

void UITableView::setDataSource(const std::shared_ptr<UITableViewDataSource>& dataSource) {
    dataSource_ = dataSource;
    loaded_ = false;
    setNeedsLayout();
}

void UITableView::setDelegate(const std::shared_ptr<UITableViewDelegate>& delegate) {
    delegate_ = delegate;
    UIScrollView::setDelegate(delegate);
    loaded_ = false;
    setNeedsLayout();
}

void UITableView::setRowHeight(CGFloat height) {
    if (!std::isfinite(height) || height < 0) return;
    rowHeight_ = height;
    loaded_ = false;
    setNeedsLayout();
}

void UITableView::setAllowsSelection(bool allows) {
    allowsSelection_ = allows;
    if (!allows) unhighlightTouchedRow();
}

// Loading

void UITableView::reloadData() {
    for (const auto& [path, cell] : cells_) enqueueCell(cell);
    cells_.clear();
    loaded_ = true;
    loadGeometry();
    if (selected_ && !geometry_.contains(*selected_)) selected_.reset();
    touched_.reset();
    keepOffsetWithinContent();
    layoutVisibleContent();
}

void UITableView::ensureLoaded() {
    if (loaded_) return;
    reloadData();
}

void UITableView::loadGeometry() {
    const auto source = dataSource();
    const auto rowDelegate = delegate();
    const CGFloat width = bounds().size.width;
    const size_t sections = source ? source->numberOfSectionsInTableView(this) : 0;
    std::vector<TableGeometry::Section> layout(sections);
    sectionTexts_.assign(sections, {});
    for (size_t section = 0; section < sections; ++section) {
        auto& [header, footer] = sectionTexts_[section];
        header = source->tableView_titleForHeaderInSection(this, section);
        footer = source->tableView_titleForFooterInSection(this, section);
        layout[section].headerHeight = TableSectionTextView::heightFor(
            TableSectionTextView::Kind::Header, style_, look_, header, width);
        layout[section].footerHeight = TableSectionTextView::heightFor(
            TableSectionTextView::Kind::Footer, style_, look_, footer, width);
        const size_t rows = source->tableView_numberOfRowsInSection(this, section);
        auto& heights = layout[section].rowHeights;
        heights.resize(rows, rowHeight_);
        if (!rowDelegate) continue;
        for (size_t row = 0; row < rows; ++row) {
            const CGFloat height =
                rowDelegate->tableView_heightForRowAtIndexPath(this, {section, row});
            if (std::isfinite(height) && height >= 0) heights[row] = height;
        }
    }
    // A grouped table leaves the gap between groups below its last one too.
    const CGFloat trailing = style_ == UITableViewStyle::Grouped ? look_.sectionGap : 0;
    geometry_ = TableGeometry(layout, width, trailing);
    geometryWidth_ = width;
    setContentSize({width, geometry_.contentHeight()});
}

void UITableView::keepOffsetWithinContent() {
    const CGPoint offset = contentOffset();
    const CGFloat maximum = std::max(contentSize().height - bounds().size.height, 0.0);
    if (offset.y > maximum) setContentOffset({offset.x, maximum});
}

// Layout

void UITableView::layoutSubviews() {
    if (loaded_ && bounds().size.width != geometryWidth_) {
        loadGeometry();
        keepOffsetWithinContent();
    }
    layoutVisibleContent();
}

void UITableView::contentOffsetDidChange() {
    layoutVisibleContent();
}

void UITableView::layoutVisibleContent() {
    // Making a cell may scroll or resize the table, which lays out again: once is enough.
    if (layingOut_) return;
    layingOut_ = true;
    ensureLoaded();
    const CGRect visible = bounds();
    if (backgroundView_) {
        if (!backgroundView_->superview()) insertSubview_atIndex(backgroundView_, 0);
        backgroundView_->setFrame(visible);
    }
    const auto wanted = geometry_.rowsBetween(CGRectGetMinY(visible), CGRectGetMaxY(visible));
    for (auto it = cells_.begin(); it != cells_.end();) {
        if (std::binary_search(wanted.begin(), wanted.end(), it->first)) {
            ++it;
        } else {
            enqueueCell(it->second);
            it = cells_.erase(it);
        }
    }
    for (const NSIndexPath& path : wanted) {
        auto [it, added] = cells_.try_emplace(path);
        if (added) it->second = makeCell(path);
        placeCell(*it->second, path);
    }
    layoutSectionTexts(visible);
    layingOut_ = false;
}

std::shared_ptr<UITableViewCell> UITableView::makeCell(NSIndexPath path) {
    std::shared_ptr<UITableViewCell> cell;
    if (auto source = dataSource()) cell = source->tableView_cellForRowAtIndexPath(this, path);
    if (!cell) {
        NSLog("UITableView: the data source gave no cell for section " +
              std::to_string(path.section) + " row " + std::to_string(path.row) +
              "; showing an empty row");
        cell = UITableViewCell::make(UITableViewCellStyle::Default, "");
    }
    // Above the background and any cells fading out, under the section texts.
    insertSubview_atIndex(cell, (backgroundView_ ? 1 : 0) + fading_.size());
    placeCell(*cell, path);
    if (auto rowDelegate = delegate())
        rowDelegate->tableView_willDisplayCell_forRowAtIndexPath(this, cell.get(), path);
    return cell;
}

void UITableView::placeCell(UITableViewCell& cell, NSIndexPath path) {
    cell.setFrame(geometry_.rectForRow(path));
    const bool grouped = style_ == UITableViewStyle::Grouped;
    cell.placeInTable(
        look_, {grouped, path.row == 0, path.row + 1 == geometry_.numberOfRows(path.section)});
    const bool selected = selected_ == path;
    if (cell.isSelected() != selected) cell.setSelected_animated(selected, false);
}

void UITableView::placeVisibleCells() {
    for (const auto& [path, cell] : cells_) placeCell(*cell, path);
    layoutSectionTexts(bounds());
}

void UITableView::layoutSectionTexts(CGRect visible) {
    const auto sections = geometry_.sectionsBetween(CGRectGetMinY(visible), CGRectGetMaxY(visible));
    std::map<SectionTextKey, std::shared_ptr<TableSectionTextView>> shown;
    for (size_t section : sections) {
        for (TextKind kind : {TextKind::Header, TextKind::Footer}) {
            const bool header = kind == TextKind::Header;
            const std::string& text =
                header ? sectionTexts_[section].first : sectionTexts_[section].second;
            if (text.empty()) continue;
            const SectionTextKey key{section, kind};
            auto view = sectionTextView(section, kind);
            if (!view) {
                view = std::make_shared<TableSectionTextView>();
                addSubview(view);
            }
            view->configure(
                header ? TableSectionTextView::Kind::Header : TableSectionTextView::Kind::Footer,
                style_, look_, text);
            view->setFrame(header ? headerFrame(section, visible)
                                  : geometry_.rectForFooter(section));
            shown[key] = view;
        }
    }
    for (const auto& [key, view] : sectionTextViews_) {
        if (!shown.contains(key)) view->removeFromSuperview();
    }
    sectionTextViews_ = std::move(shown);
}

CGRect UITableView::headerFrame(size_t section, CGRect visible) const {
    CGRect frame = geometry_.rectForHeader(section);
    if (style_ != UITableViewStyle::Plain) return frame;
    // A plain table's header bar stays at the top of the view while its section's rows scroll
    // under it, until the section's end pushes it up.
    const CGRect rows = geometry_.rectForSection(section);
    frame.origin.y = std::max(
        frame.origin.y, std::min(CGRectGetMinY(visible), CGRectGetMaxY(rows) - frame.size.height));
    return frame;
}

std::shared_ptr<TableSectionTextView> UITableView::sectionTextView(size_t section,
                                                                   TextKind kind) const {
    auto it = sectionTextViews_.find({section, kind});
    return it == sectionTextViews_.end() ? nullptr : it->second;
}

// Reuse

void UITableView::enqueueCell(const std::shared_ptr<UITableViewCell>& cell) {
    cell->removeFromSuperview();
    if (!cell->reuseIdentifier().empty()) reusable_[cell->reuseIdentifier()].push_back(cell);
}

std::shared_ptr<UITableViewCell> UITableView::dequeueReusableCellWithIdentifier(
    const std::string& identifier) {
    auto it = reusable_.find(identifier);
    if (it == reusable_.end() || it->second.empty()) return nullptr;
    auto cell = std::move(it->second.back());
    it->second.pop_back();
    cell->prepareForReuse();
    return cell;
}

// Queries

size_t UITableView::numberOfSections() {
    ensureLoaded();
    return geometry_.numberOfSections();
}

size_t UITableView::numberOfRowsInSection(size_t section) {
    ensureLoaded();
    return geometry_.numberOfRows(section);
}

std::shared_ptr<UITableViewCell> UITableView::cellForRowAtIndexPath(NSIndexPath path) const {
    auto it = cells_.find(path);
    return it == cells_.end() ? nullptr : it->second;
}

std::vector<std::shared_ptr<UITableViewCell>> UITableView::visibleCells() const {
    std::vector<std::shared_ptr<UITableViewCell>> cells;
    for (const auto& [path, cell] : cells_) cells.push_back(cell);
    return cells;
}

std::vector<NSIndexPath> UITableView::indexPathsForVisibleRows() const {
    std::vector<NSIndexPath> paths;
    for (const auto& [path, cell] : cells_) paths.push_back(path);
    return paths;
}

std::optional<NSIndexPath> UITableView::indexPathForCell(const UITableViewCell* cell) const {
    for (const auto& [path, shown] : cells_) {
        if (shown.get() == cell) return path;
    }
    return std::nullopt;
}

std::optional<NSIndexPath> UITableView::indexPathForRowAtPoint(CGPoint point) {
    ensureLoaded();
    if (point.x < 0 || point.x >= geometryWidth_) return std::nullopt;
    return geometry_.rowAt(point.y);
}

CGRect UITableView::rectForRowAtIndexPath(NSIndexPath path) {
    ensureLoaded();
    return geometry_.rectForRow(path);
}

CGRect UITableView::rectForSection(size_t section) {
    ensureLoaded();
    return geometry_.rectForSection(section);
}

CGRect UITableView::rectForHeaderInSection(size_t section) {
    ensureLoaded();
    return geometry_.rectForHeader(section);
}

CGRect UITableView::rectForFooterInSection(size_t section) {
    ensureLoaded();
    return geometry_.rectForFooter(section);
}

std::shared_ptr<TableSectionTextView> UITableView::headerTextViewForSection(size_t section) const {
    return sectionTextView(section, TextKind::Header);
}

std::shared_ptr<TableSectionTextView> UITableView::footerTextViewForSection(size_t section) const {
    return sectionTextView(section, TextKind::Footer);
}

// Scrolling

void UITableView::scrollToRowAtIndexPath_atScrollPosition_animated(
    NSIndexPath path, UITableViewScrollPosition position, bool animated) {
    ensureLoaded();
    if (!geometry_.contains(path)) return;
    const CGRect row = geometry_.rectForRow(path);
    const CGRect visible = bounds();
    const CGFloat height = visible.size.height;
    if (position == UITableViewScrollPosition::None) {
        if (CGRectGetMinY(row) >= CGRectGetMinY(visible) &&
            CGRectGetMaxY(row) <= CGRectGetMaxY(visible))
            return;
        position = CGRectGetMinY(row) < CGRectGetMinY(visible) ? UITableViewScrollPosition::Top
                                                               : UITableViewScrollPosition::Bottom;
    }
    CGFloat y = CGRectGetMinY(row);
    if (position == UITableViewScrollPosition::Middle) y = CGRectGetMidY(row) - height / 2;
    if (position == UITableViewScrollPosition::Bottom) y = CGRectGetMaxY(row) - height;
    y = std::clamp(y, 0.0, std::max(contentSize().height - height, 0.0));
    setContentOffset_animated({contentOffset().x, y}, animated);
}

// Selection

void UITableView::selectRowAtIndexPath_animated_scrollPosition(NSIndexPath path, bool animated,
                                                               UITableViewScrollPosition position) {
    ensureLoaded();
    if (!geometry_.contains(path)) return;
    if (selected_ && *selected_ != path) deselectRowAtIndexPath_animated(*selected_, false);
    selected_ = path;
    if (auto cell = cellForRowAtIndexPath(path)) cell->setSelected_animated(true, animated);
    if (position != UITableViewScrollPosition::None)
        scrollToRowAtIndexPath_atScrollPosition_animated(path, position, animated);
}

void UITableView::deselectRowAtIndexPath_animated(NSIndexPath path, bool animated) {
    if (selected_ == path) selected_.reset();
    if (auto cell = cellForRowAtIndexPath(path)) cell->setSelected_animated(false, animated);
}

void UITableView::unhighlightTouchedRow() {
    if (!touched_) return;
    if (auto cell = cellForRowAtIndexPath(*touched_)) cell->setHighlighted_animated(false, false);
    touched_.reset();
}

void UITableView::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!allowsSelection_ || touches.empty()) return;
    unhighlightTouchedRow();
    touched_ = indexPathForRowAtPoint(touches.front()->locationInView(this));
    if (!touched_) return;
    if (auto cell = cellForRowAtIndexPath(*touched_)) {
        cell->setHighlighted_animated(true, false);
    } else {
        touched_.reset();
    }
}

void UITableView::touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!touched_ || touches.empty()) return;
    const CGRect row = geometry_.rectForRow(*touched_);
    if (!CGRectContainsPoint(row, touches.front()->locationInView(this))) unhighlightTouchedRow();
}

void UITableView::touchesEnded_withEvent(const UITouchSet&, UIEvent*) {
    if (!touched_) return;
    const NSIndexPath path = *touched_;
    unhighlightTouchedRow();
    selectRowAtIndexPath_animated_scrollPosition(path, false, UITableViewScrollPosition::None);
    if (auto rowDelegate = delegate()) rowDelegate->tableView_didSelectRowAtIndexPath(this, path);
}

void UITableView::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    unhighlightTouchedRow();
}

// Row changes

void UITableView::fadeOutCells(const std::vector<std::shared_ptr<UITableViewCell>>& cells,
                               const std::function<void()>& alongside) {
    for (const auto& cell : cells) {
        insertSubview_atIndex(cell, backgroundView_ ? 1 : 0);
        fading_.push_back(cell);
    }
    const std::weak_ptr<UITableView> weakSelf =
        std::static_pointer_cast<UITableView>(shared_from_this());
    animateWithDuration_animations_completion(
        kRowAnimationDuration,
        [&] {
            for (const auto& cell : cells) cell->setAlpha(0);
            alongside();
        },
        [weakSelf, cells](bool) {
            auto self = weakSelf.lock();
            if (!self) return;
            for (const auto& cell : cells) {
                auto it = std::find(self->fading_.begin(), self->fading_.end(), cell);
                if (it == self->fading_.end()) continue;
                self->fading_.erase(it);
                cell->setAlpha(1);
                self->enqueueCell(cell);
            }
        });
}

void UITableView::deleteRowsAtIndexPaths_withRowAnimation(const std::vector<NSIndexPath>& paths,
                                                          UITableViewRowAnimation animation) {
    ensureLoaded();
    std::set<NSIndexPath> doomed;
    for (const NSIndexPath& path : paths) {
        if (geometry_.contains(path)) doomed.insert(path);
    }
    const TableGeometry before = geometry_;
    loadGeometry();
    bool consistent = geometry_.numberOfSections() == before.numberOfSections();
    for (size_t section = 0; consistent && section < before.numberOfSections(); ++section) {
        const auto removed = static_cast<size_t>(std::count_if(
            doomed.begin(), doomed.end(), [&](const auto& p) { return p.section == section; }));
        consistent = geometry_.numberOfRows(section) + removed == before.numberOfRows(section);
    }
    if (!consistent) {
        NSLog("UITableView: the data source's row counts don't match the rows deleted; reloading");
        reloadData();
        return;
    }
    // Rows after deleted ones in their section move up by as many rows.
    auto moved = [&](NSIndexPath path) {
        const auto earlier = static_cast<size_t>(
            std::count_if(doomed.begin(), doomed.lower_bound(path),
                          [&](const auto& p) { return p.section == path.section; }));
        return NSIndexPath{path.section, path.row - earlier};
    };
    std::vector<std::shared_ptr<UITableViewCell>> leaving;
    CellMap staying;
    for (const auto& [path, cell] : cells_) {
        if (doomed.contains(path)) {
            leaving.push_back(cell);
        } else {
            staying[moved(path)] = cell;
        }
    }
    cells_ = std::move(staying);
    if (selected_)
        selected_ = doomed.contains(*selected_) ? std::nullopt : std::optional(moved(*selected_));
    touched_.reset();
    if (animation == UITableViewRowAnimation::None) {
        for (const auto& cell : leaving) enqueueCell(cell);
    } else {
        fadeOutCells(leaving, [this] { placeVisibleCells(); });
    }
    keepOffsetWithinContent();
    layoutVisibleContent();
}

void UITableView::reloadRowsAtIndexPaths_withRowAnimation(const std::vector<NSIndexPath>& paths,
                                                          UITableViewRowAnimation animation) {
    ensureLoaded();
    const TableGeometry before = geometry_;
    loadGeometry();
    bool consistent = geometry_.numberOfSections() == before.numberOfSections();
    for (size_t section = 0; consistent && section < before.numberOfSections(); ++section)
        consistent = geometry_.numberOfRows(section) == before.numberOfRows(section);
    if (!consistent) {
        NSLog("UITableView: the data source's row counts changed in a row reload; reloading");
        reloadData();
        return;
    }
    std::vector<std::shared_ptr<UITableViewCell>> leaving;
    std::vector<NSIndexPath> renewed;
    for (const NSIndexPath& path : paths) {
        auto it = cells_.find(path);
        if (it == cells_.end()) continue;
        leaving.push_back(it->second);
        renewed.push_back(path);
        cells_.erase(it);
    }
    touched_.reset();
    if (animation == UITableViewRowAnimation::None) {
        for (const auto& cell : leaving) enqueueCell(cell);
        keepOffsetWithinContent();
        layoutVisibleContent();
        return;
    }
    keepOffsetWithinContent();
    layoutVisibleContent();
    std::vector<std::shared_ptr<UITableViewCell>> arriving;
    for (const NSIndexPath& path : renewed) {
        if (auto cell = cellForRowAtIndexPath(path)) {
            cell->setAlpha(0);
            arriving.push_back(cell);
        }
    }
    fadeOutCells(leaving, [&] {
        for (const auto& cell : arriving) cell->setAlpha(1);
    });
}
