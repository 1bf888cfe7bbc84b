#pragma once

#include <memory>

#include "platform/ui/views/UIView.h"

class UIColor;
struct TableLook;

// Where a row stands in its section, which decides its corners and separators.
struct TableRowPlace {
    bool grouped = false;
    bool first = false;
    bool last = false;
    friend bool operator==(const TableRowPlace&, const TableRowPlace&) = default;
};

// The default background of a table row, drawn in the table's look: a white band with a hairline
// separator below it (inset, except under a group's last row, and above a group's first row), or
// a piece of a rounded, bordered group. A selection background is the same shape in the selection
// colour, without lines.
class TableCellBackgroundView : public UIView {
    RUNTIME_CLASS(TableCellBackgroundView)
    TableCellBackgroundView();

    enum class Kind { Normal, Selection };
    void configure(const TableLook& look, Kind kind, TableRowPlace place);

    void drawRect(CGRect rect) override;

private:
    void drawFlat(const CGContextRef& context) const;
    void drawClassicGroup(const CGContextRef& context) const;

    const TableLook* look_ = nullptr;
    Kind kind_ = Kind::Normal;
    TableRowPlace place_;
};
