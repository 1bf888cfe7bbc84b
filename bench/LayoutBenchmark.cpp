// Laying out a view of 100 subviews by setting each one's frame, as a layoutSubviews does: the
// frame set through the virtual setFrame (what every caller now gets, so subclasses see it)
// against the same call bound statically to UIView's own (the cost before it was virtual).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "platform/ui/views/UIView.h"

namespace {

constexpr int kSubviews = 100;

struct Column {
    Column() {
        for (int i = 0; i < kSubviews; ++i) {
            auto view = std::make_shared<UIView>(CGRectMake(0, 0, 10, 10));
            view->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
            view->addSubview(std::make_shared<UIView>(CGRectMake(0, 0, 10, 10)));
            parent->addSubview(view);
        }
    }
    std::shared_ptr<UIView> parent = std::make_shared<UIView>(CGRectMake(0, 0, 320, 4000));
};

template <class SetFrame>
void layOut(benchmark::State& state, SetFrame setFrame) {
    Column column;
    int pass = 0;
    for (auto _ : state) {
        const CGFloat width = 100 + (++pass % 2);
        for (int i = 0; i < kSubviews; ++i)
            setFrame(*column.parent->subviews()[static_cast<size_t>(i)],
                     CGRectMake(0, 12.0 * i, width, 10));
    }
    state.SetItemsProcessed(state.iterations() * kSubviews);
}

void BM_LayoutThroughVirtualSetFrame(benchmark::State& state) {
    layOut(state, [](UIView& view, CGRect frame) { view.setFrame(frame); });
}

void BM_LayoutStaticSetFrameBaseline(benchmark::State& state) {
    layOut(state, [](UIView& view, CGRect frame) { view.UIView::setFrame(frame); });
}

}  // namespace

BENCHMARK(BM_LayoutThroughVirtualSetFrame);
BENCHMARK(BM_LayoutStaticSetFrameBaseline);
