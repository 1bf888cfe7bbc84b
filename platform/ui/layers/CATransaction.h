#pragma once

#include <cstdint>
#include <functional>

// Groups layer changes. A transaction opens implicitly with the first change of a run-loop turn
// and commits at the end of that turn; begin/commit open explicit ones nested in it, for their
// own settings. Animations added to layers start when the turn's transaction commits, so
// everything changed in one turn moves together.
class CATransaction {
public:
    static void begin();
    static void commit();

    // Whether property changes make implicit animations, for the innermost transaction.
    static bool disableActions();
    static void setDisableActions(bool disable);
    // The duration of implicit animations (default 0.25 s).
    static double animationDuration();
    static void setAnimationDuration(double duration);

    // Counts the turns' transactions that have committed.
    static std::uint64_t generation();

    // Runs `start` when the turn's transaction commits, with the commit time.
    static void whenCommitted(std::function<void(double now)> start);
};

// A transaction for the length of a scope, with implicit animations on or off.
class CATransactionScope {
public:
    enum class Actions { Enabled, Disabled };
    explicit CATransactionScope(Actions actions) {
        CATransaction::begin();
        CATransaction::setDisableActions(actions == Actions::Disabled);
    }
    ~CATransactionScope() { CATransaction::commit(); }
    CATransactionScope(const CATransactionScope&) = delete;
    CATransactionScope& operator=(const CATransactionScope&) = delete;
};
