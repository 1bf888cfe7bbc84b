#include "platform/ui/tables/UITableViewDelegate.h"

#include "platform/ui/tables/UITableView.h"

CGFloat UITableViewDelegate::tableView_heightForRowAtIndexPath(UITableView* tableView,
                                                               NSIndexPath) {
    return tableView->rowHeight();
}
