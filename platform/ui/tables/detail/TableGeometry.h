#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/tables/NSIndexPath.h"

// Where each section's header, rows and footer lie down a table's content, from their heights:
// sections follow one another, each its header, its rows, then its footer. Answers which rows
// lie in a band of the content by binary search, so long tables cost little per scroll.
class TableGeometry {
public:
    struct Section {
        CGFloat headerHeight = 0;
        std::vector<CGFloat> rowHeights;
        CGFloat footerHeight = 0;
    };

    TableGeometry() = default;
    // Heights that are not finite or are negative count as zero. `trailingSpace` follows the last
    // section.
    TableGeometry(const std::vector<Section>& sections, CGFloat width, CGFloat trailingSpace);

    size_t numberOfSections() const { return sections_.size(); }
    size_t numberOfRows(size_t section) const;
    bool contains(NSIndexPath path) const;
    CGFloat contentHeight() const { return contentHeight_; }

    // In content coordinates, across the whole width; empty rectangles for places that don't exist.
    CGRect rectForSection(size_t section) const;
    CGRect rectForHeader(size_t section) const;
    CGRect rectForFooter(size_t section) const;
    CGRect rectForRow(NSIndexPath path) const;

    // The rows and the sections that overlap [top, bottom), in order.
    std::vector<NSIndexPath> rowsBetween(CGFloat top, CGFloat bottom) const;
    std::vector<size_t> sectionsBetween(CGFloat top, CGFloat bottom) const;
    std::optional<NSIndexPath> rowAt(CGFloat y) const;

private:
    struct Placed {
        CGFloat top = 0;
        CGFloat headerHeight = 0;
        std::vector<CGFloat> rowTops;  // one more than the rows: the last is where the rows end
        CGFloat footerHeight = 0;
        CGFloat bottom() const { return rowTops.back() + footerHeight; }
    };

    CGRect band(CGFloat top, CGFloat height) const { return {{0, top}, {width_, height}}; }

    std::vector<Placed> sections_;
    CGFloat width_ = 0;
    CGFloat contentHeight_ = 0;
};
