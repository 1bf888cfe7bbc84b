#include "platform/ui/tables/detail/TableGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

CGFloat validHeight(CGFloat height) {
    return std::isfinite(height) && height > 0 ? height : 0;
}

}  // namespace

TableGeometry::TableGeometry(const std::vector<Section>& sections, CGFloat width,
                             CGFloat trailingSpace)
    : width_(width) {
    CGFloat y = 0;
    sections_.reserve(sections.size());
    for (const Section& section : sections) {
        Placed placed;
        placed.top = y;
        placed.headerHeight = validHeight(section.headerHeight);
        y += placed.headerHeight;
        placed.rowTops.reserve(section.rowHeights.size() + 1);
        for (CGFloat height : section.rowHeights) {
            placed.rowTops.push_back(y);
            y += validHeight(height);
        }
        placed.rowTops.push_back(y);
        placed.footerHeight = validHeight(section.footerHeight);
        y += placed.footerHeight;
        sections_.push_back(std::move(placed));
    }
    contentHeight_ = y + validHeight(trailingSpace);
}

size_t TableGeometry::numberOfRows(size_t section) const {
    return section < sections_.size() ? sections_[section].rowTops.size() - 1 : 0;
}

bool TableGeometry::contains(NSIndexPath path) const {
    return path.row < numberOfRows(path.section);
}

CGRect TableGeometry::rectForSection(size_t section) const {
    if (section >= sections_.size()) return CGRectZero;
    const Placed& placed = sections_[section];
    return band(placed.top, placed.bottom() - placed.top);
}

CGRect TableGeometry::rectForHeader(size_t section) const {
    if (section >= sections_.size()) return CGRectZero;
    return band(sections_[section].top, sections_[section].headerHeight);
}

CGRect TableGeometry::rectForFooter(size_t section) const {
    if (section >= sections_.size()) return CGRectZero;
    return band(sections_[section].rowTops.back(), sections_[section].footerHeight);
}

CGRect TableGeometry::rectForRow(NSIndexPath path) const {
    if (!contains(path)) return CGRectZero;
    const auto& tops = sections_[path.section].rowTops;
    return band(tops[path.row], tops[path.row + 1] - tops[path.row]);
}

std::vector<size_t> TableGeometry::sectionsBetween(CGFloat top, CGFloat bottom) const {
    std::vector<size_t> found;
    auto first = std::upper_bound(sections_.begin(), sections_.end(), top,
                                  [](CGFloat y, const Placed& s) { return y < s.bottom(); });
    for (auto it = first; it != sections_.end() && it->top < bottom; ++it)
        found.push_back(static_cast<size_t>(it - sections_.begin()));
    return found;
}

std::vector<NSIndexPath> TableGeometry::rowsBetween(CGFloat top, CGFloat bottom) const {
    std::vector<NSIndexPath> found;
    for (size_t section : sectionsBetween(top, bottom)) {
        const auto& tops = sections_[section].rowTops;
        // From the first row that ends below `top`; rows of no height show nothing.
        auto end = std::upper_bound(tops.begin() + 1, tops.end(), top);
        for (; end != tops.end() && *(end - 1) < bottom; ++end) {
            if (*end > *(end - 1))
                found.push_back({section, static_cast<size_t>(end - tops.begin()) - 1});
        }
    }
    return found;
}

std::optional<NSIndexPath> TableGeometry::rowAt(CGFloat y) const {
    for (const NSIndexPath& path : rowsBetween(y, y + 0.001)) {
        const CGRect rect = rectForRow(path);
        if (y >= CGRectGetMinY(rect) && y < CGRectGetMaxY(rect)) return path;
    }
    return std::nullopt;
}
