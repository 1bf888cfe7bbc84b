#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/ui/tables/NSIndexPath.h"

class UITableView;
class UITableViewCell;

// What a table shows: its sections, their rows and the cell for each row, and the sections'
// header and footer text. The table asks again on reloadData and for rows coming into view.
class UITableViewDataSource {
public:
    virtual ~UITableViewDataSource() = default;

    virtual size_t numberOfSectionsInTableView(UITableView*) { return 1; }
    virtual size_t tableView_numberOfRowsInSection(UITableView* tableView, size_t section) = 0;
    // Typically a cell from dequeueReusableCellWithIdentifier, or a new one. A null answer shows
    // an empty row.
    virtual std::shared_ptr<UITableViewCell> tableView_cellForRowAtIndexPath(
        UITableView* tableView, NSIndexPath indexPath) = 0;
    virtual std::string tableView_titleForHeaderInSection(UITableView*, size_t) { return ""; }
    virtual std::string tableView_titleForFooterInSection(UITableView*, size_t) { return ""; }
};
