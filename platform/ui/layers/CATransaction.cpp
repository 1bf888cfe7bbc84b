#include "platform/ui/layers/CATransaction.h"

#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"

namespace {

struct Frame {
    bool disableActions = false;
    double animationDuration = 0.25;
};

std::uint64_t committed = 0;

struct TransactionState {
    std::vector<Frame> frames;  // innermost last; the turn's implicit transaction is the first
    std::vector<std::function<void(double)>> onCommit;
};

TransactionState& state() {
    static TransactionState transactions;
    return transactions;
}

void commitImplicit() {
    ++committed;
    TransactionState& s = state();
    s.frames.clear();
    auto pending = std::move(s.onCommit);
    s.onCommit.clear();
    const double now = NSDate::now();
    for (auto& start : pending) start(now);
}

void openImplicitIfNeeded() {
    if (!state().frames.empty()) return;
    state().frames.push_back(Frame{});
    NSRunLoop::mainRunLoop().performAtEndOfTurn(commitImplicit);
}

Frame& innermost() {
    openImplicitIfNeeded();
    return state().frames.back();
}

}  // namespace

void CATransaction::begin() {
    openImplicitIfNeeded();
    state().frames.push_back(state().frames.back());
}

void CATransaction::commit() {
    // Explicit transactions nest in the turn's implicit one, which flushes them all.
    if (state().frames.size() > 1) state().frames.pop_back();
}

bool CATransaction::disableActions() {
    return innermost().disableActions;
}
void CATransaction::setDisableActions(bool disable) {
    innermost().disableActions = disable;
}
double CATransaction::animationDuration() {
    return innermost().animationDuration;
}
void CATransaction::setAnimationDuration(double duration) {
    innermost().animationDuration = duration;
}

std::uint64_t CATransaction::generation() {
    return committed;
}

void CATransaction::whenCommitted(std::function<void(double)> start) {
    openImplicitIfNeeded();
    state().onCommit.push_back(std::move(start));
}
