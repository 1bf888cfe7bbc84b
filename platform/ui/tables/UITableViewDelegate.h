#pragma once

#include <memory>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/tables/NSIndexPath.h"
#include "platform/ui/views/UIScrollView.h"

class UITableView;
class UITableViewCell;

// Told what happens to a table's rows, and asked their heights; every operation is optional.
// A table's delegate is also its scroll view's delegate.
class UITableViewDelegate : public UIScrollViewDelegate {
public:
    // The table's rowHeight unless overridden. A negative answer, or one that is not a number,
    // also means the table's rowHeight.
    virtual CGFloat tableView_heightForRowAtIndexPath(UITableView* tableView, NSIndexPath);
    // After the user lifts a finger on a row and the row is selected.
    virtual void tableView_didSelectRowAtIndexPath(UITableView*, NSIndexPath) {}
    // Before a cell is put on screen for a row.
    virtual void tableView_willDisplayCell_forRowAtIndexPath(UITableView*, UITableViewCell*,
                                                             NSIndexPath) {}
};
