#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "platform/ui/touches/UIGestureRecognizer.h"
#include "platform/ui/touches/UITouch.h"

// Delivers touches as the platform does: first to the gesture recognisers of the touched view
// and of its ancestors (bottom-up, each view's in the order they were added), then to the view's
// responder methods. It settles what the recognisers decide after each delivery and after each
// timer: a recogniser may begin only when its delegate agrees and no rival has begun; its rivals
// on the same touches then fail; the view loses the touches of a recogniser that cancels them;
// a touch's end reaches the view only once the recognisers that delay it have decided.
//
// It holds the touches on the screen and, weakly, the recognisers taking part in a gesture.
// One per process; main thread only.
class GestureEnvironment {
public:
    static GestureEnvironment& shared();

    // A touch in the phase the dispatcher has just given it.
    void deliver(const std::shared_ptr<UITouch>& touch);

    // From recognisers: a change to settle (now, unless a delivery is under way).
    void recognizerChangedState(UIGestureRecognizer& recognizer, UIGestureRecognizerState from);
    // From a recogniser that was reset outside a gesture's end: its unsettled changes are void.
    void discardStateChanges(const UIGestureRecognizer& recognizer);

private:
    // How far the touched view has been told about the touch.
    enum class ViewDelivery { NotStarted, Started, EndHeld, Over };

    struct TouchRecord {
        std::shared_ptr<UITouch> touch;
        std::vector<std::weak_ptr<UIGestureRecognizer>> recognizers;
        ViewDelivery viewDelivery = ViewDelivery::NotStarted;
    };

    struct StateChange {
        std::weak_ptr<UIGestureRecognizer> recognizer;
        UIGestureRecognizerState from;
        UIGestureRecognizerState to;
    };

    std::shared_ptr<TouchRecord> beginRecord(const std::shared_ptr<UITouch>& touch);
    std::shared_ptr<TouchRecord> recordFor(const UITouch* touch) const;
    // Every touch on the screen, and `touch`.
    std::shared_ptr<UIEvent> eventFor(const std::shared_ptr<UITouch>& touch) const;

    void deliverToView(TouchRecord& record, UIEvent* event);
    bool isEndHeld(const TouchRecord& record) const;
    void releaseDecidedEnds();

    void settle();
    void processStateChanges();
    // The state the recogniser's targets last heard of.
    UIGestureRecognizerState settledState(const UIGestureRecognizer& recognizer) const;
    std::vector<std::shared_ptr<UIGestureRecognizer>> rivalsOf(
        const UIGestureRecognizer& recognizer) const;
    bool mayBegin(UIGestureRecognizer& recognizer) const;
    void failRivals(UIGestureRecognizer& recognizer);
    void fail(UIGestureRecognizer& recognizer);
    void cancelTouchesInView(const UIGestureRecognizer& recognizer);
    void resetFinishedRecognizers();

    std::vector<std::shared_ptr<TouchRecord>> records_;
    // Recognisers that have had a touch since their last reset.
    std::vector<std::weak_ptr<UIGestureRecognizer>> engaged_;
    std::deque<StateChange> stateChanges_;
    // Deliveries and settlements under way; changes made inside them wait for the outermost.
    int depth_ = 0;
};
