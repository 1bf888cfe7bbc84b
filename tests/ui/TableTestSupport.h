#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/tables/UITableView.h"
#include "platform/ui/tables/UITableViewCell.h"
#include "platform/ui/views/UILabel.h"
#include "tests/ui/SystemVersionForTesting.h"

// Rows titled "Row <n>" (counted across sections) in sections of the given sizes, with optional
// header and footer texts and row heights; writes down the cells it had to make and what the
// table told it. Tests change `rows` before telling the table of a change.
class NumberedRows : public UITableViewDataSource, public UITableViewDelegate {
public:
    explicit NumberedRows(const std::vector<size_t>& sectionSizes) {
        size_t number = 0;
        for (size_t size : sectionSizes) {
            auto& section = rows.emplace_back();
            for (size_t row = 0; row < size; ++row)
                section.push_back("Row " + std::to_string(number++));
        }
    }

    size_t numberOfSectionsInTableView(UITableView*) override { return rows.size(); }
    size_t tableView_numberOfRowsInSection(UITableView*, size_t section) override {
        return rows[section].size();
    }
    std::shared_ptr<UITableViewCell> tableView_cellForRowAtIndexPath(UITableView* table,
                                                                     NSIndexPath path) override {
        auto cell = table->dequeueReusableCellWithIdentifier("row");
        if (!cell) {
            cell = UITableViewCell::make(style, "row");
            ++cellsMade;
        }
        cell->textLabel()->setText(rows[path.section][path.row]);
        cell->setAccessoryType(accessory);
        return cell;
    }
    std::string tableView_titleForHeaderInSection(UITableView*, size_t section) override {
        return section < headers.size() ? headers[section] : "";
    }
    std::string tableView_titleForFooterInSection(UITableView*, size_t section) override {
        return section < footers.size() ? footers[section] : "";
    }
    CGFloat tableView_heightForRowAtIndexPath(UITableView* table, NSIndexPath path) override {
        for (const auto& [at, height] : heights)
            if (at == path) return height;
        return UITableViewDelegate::tableView_heightForRowAtIndexPath(table, path);
    }
    void tableView_didSelectRowAtIndexPath(UITableView*, NSIndexPath path) override {
        selections.push_back(path);
    }

    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> headers;
    std::vector<std::string> footers;
    std::vector<std::pair<NSIndexPath, CGFloat>> heights;
    UITableViewCellStyle style = UITableViewCellStyle::Default;
    UITableViewCellAccessoryType accessory = UITableViewCellAccessoryType::None;
    int cellsMade = 0;
    std::vector<NSIndexPath> selections;
};

// The text each visible cell shows, in row order.
inline std::vector<std::string> visibleTitles(const UITableView& table) {
    std::vector<std::string> titles;
    for (const auto& cell : table.visibleCells()) titles.push_back(cell->textLabel()->text());
    return titles;
}
