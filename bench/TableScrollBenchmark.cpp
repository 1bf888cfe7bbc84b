// One frame of scrolling a 1,000-row table (the new rows' layout, cell reuse and the composite
// of a 320×480 screen at scale 2), against the same frame of a plain scroll view holding all
// 1,000 rows as views made beforehand: the cost, or the saving, of making only the rows in view.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/layers/Compositor.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UIWindow.h"

namespace {

constexpr size_t kRows = 1000;
constexpr CGFloat kRowHeight = 44;
constexpr CGRect kScreen{{0, 0}, {320, 480}};
// Points scrolled per frame: a brisk flick.
constexpr CGFloat kStep = 23;

void fill(UITableViewCell& cell, size_t row) {
    cell.textLabel()->setText("Row " + std::to_string(row));
    cell.detailTextLabel()->setText(std::to_string(row * 7 % 100));
    cell.setAccessoryType(UITableViewCellAccessoryType::DisclosureIndicator);
}

class Rows : public UITableViewDataSource {
public:
    size_t tableView_numberOfRowsInSection(UITableView*, size_t) override { return kRows; }
    std::shared_ptr<UITableViewCell> tableView_cellForRowAtIndexPath(UITableView* table,
                                                                     NSIndexPath path) override {
        auto cell = table->dequeueReusableCellWithIdentifier("row");
        if (!cell) cell = UITableViewCell::make(UITableViewCellStyle::Value1, "row");
        fill(*cell, path.row);
        return cell;
    }
};

// Scrolls `scrollView` down a step a frame, back to the top at the end, and composites.
void runFrames(benchmark::State& state, UIScrollView& scrollView, UIWindow& window) {
    Compositor compositor(640, 960, 2);
    const CGFloat end = kRows * kRowHeight - kScreen.size.height;
    CGFloat y = 0;
    compositor.renderFrame({window.layer()});
    for (auto _ : state) {
        y = y + kStep > end ? 0 : y + kStep;
        scrollView.setContentOffset({0, y});
        compositor.renderFrame({window.layer()});
    }
}

void BM_TableViewScrollFrame(benchmark::State& state) {
    auto window = std::make_shared<UIWindow>(kScreen);
    auto rows = std::make_shared<Rows>();
    auto table = UITableView::make(kScreen, UITableViewStyle::Plain);
    table->setDataSource(rows);
    window->addSubview(table);
    runFrames(state, *table, *window);
}
BENCHMARK(BM_TableViewScrollFrame)->Unit(benchmark::kMicrosecond);

void BM_PlainScrollViewFrame(benchmark::State& state) {
    auto window = std::make_shared<UIWindow>(kScreen);
    auto scrollView = std::make_shared<UIScrollView>(kScreen);
    scrollView->setContentSize({kScreen.size.width, kRows * kRowHeight});
    for (size_t row = 0; row < kRows; ++row) {
        auto cell = UITableViewCell::make(UITableViewCellStyle::Value1, "");
        cell->setFrame({{0, row * kRowHeight}, {kScreen.size.width, kRowHeight}});
        fill(*cell, row);
        scrollView->addSubview(cell);
    }
    window->addSubview(scrollView);
    runFrames(state, *scrollView, *window);
}
BENCHMARK(BM_PlainScrollViewFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
