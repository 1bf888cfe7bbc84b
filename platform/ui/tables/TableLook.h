#pragma once

#include <memory>

#include "platform/graphics/CGGeometry.h"

class UIColor;
class UIFont;

// The colours, fonts and measures of tables and their cells in one system look: the flat look of
// system 7 (white rows on light grey, hairline separators) or the older one (rounded white groups
// on pinstripes). Chosen by the device's system version.
struct TableLook {
    // True for the look before system 7.
    bool classic = false;

    // Grouped tables.
    std::shared_ptr<UIColor> groupedBackground;  // null: the pinstripe pattern
    CGFloat groupInset = 0;                      // each side of a group
    CGFloat groupCornerRadius = 0;
    std::shared_ptr<UIColor> groupBorder;  // null: no border
    CGFloat sectionGap = 0;                // above each section without header text
    CGFloat footerGap = 0;                 // below each section without footer text

    // Rows.
    std::shared_ptr<UIColor> rowBackground;
    std::shared_ptr<UIColor> separator;
    CGFloat separatorInset = 0;  // from the row's leading edge, for rows other than a group's last
    std::shared_ptr<UIColor> selection;
    std::shared_ptr<UIFont> textFont;
    std::shared_ptr<UIColor> textColor;
    std::shared_ptr<UIColor> highlightedTextColor;
    std::shared_ptr<UIFont> detailFont;
    std::shared_ptr<UIColor> valueColor;   // the value-1 style's detail text
    std::shared_ptr<UIFont> subtitleFont;  // the subtitle style's detail text
    std::shared_ptr<UIColor> subtitleColor;
    CGFloat contentInset = 0;  // text and image from the row's edges
    std::shared_ptr<UIColor> chevron;
    std::shared_ptr<UIColor> checkmark;

    // Section header and footer text in grouped tables.
    std::shared_ptr<UIFont> headerFont;
    std::shared_ptr<UIFont> footerFont;
    std::shared_ptr<UIColor> sectionTextColor;
    bool uppercaseHeaders = false;
    bool centeredFooters = false;

    // Plain tables: rows on white, section headers as bars.
    std::shared_ptr<UIColor> plainHeaderBackground;
    std::shared_ptr<UIColor> plainHeaderTextColor;
    std::shared_ptr<UIFont> plainHeaderFont;
    CGFloat plainHeaderHeight = 0;

    static const TableLook& flat();
    static const TableLook& classicLook();
    // The look of the device's system: classic before 7.0.
    static const TableLook& current();
};
