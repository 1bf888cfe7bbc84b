#include "platform/ui/touches/detail/GestureEnvironment.h"

#include <algorithm>

#include "platform/foundation/Clock.h"
#include "platform/ui/touches/UIGestureRecognizerDelegate.h"
#include "platform/ui/views/UIView.h"

namespace {

class ScopedDepth {
public:
    explicit ScopedDepth(int& depth) : depth_(depth) { ++depth_; }
    ~ScopedDepth() { --depth_; }
    ScopedDepth(const ScopedDepth&) = delete;
    ScopedDepth& operator=(const ScopedDepth&) = delete;

private:
    int& depth_;
};

bool isActive(UIGestureRecognizerState state) {
    return state == UIGestureRecognizerStateBegan || state == UIGestureRecognizerStateChanged;
}

bool isEnding(UITouchPhase phase) {
    return phase == UITouchPhaseEnded || phase == UITouchPhaseCancelled;
}

// Either delegate may allow it.
bool recognizeSimultaneously(UIGestureRecognizer& a, UIGestureRecognizer& b) {
    const auto asks = [](UIGestureRecognizer& asking, UIGestureRecognizer& other) {
        const auto delegate = asking.delegate();
        return delegate &&
               delegate->gestureRecognizer_shouldRecognizeSimultaneouslyWithGestureRecognizer(
                   &asking, &other);
    };
    return asks(a, b) || asks(b, a);
}

}  // namespace

GestureEnvironment& GestureEnvironment::shared() {
    // Never destroyed: a dispatcher that outlives it at exit still cancels its fingers here.
    static auto* const environment = new GestureEnvironment();
    return *environment;
}

void GestureEnvironment::deliver(const std::shared_ptr<UITouch>& touch) {
    if (!touch) return;
    const UITouchPhase phase = touch->phase();
    const auto record = phase == UITouchPhaseBegan ? beginRecord(touch) : recordFor(touch.get());
    if (!record) return;

    ScopedDepth scope(depth_);
    const auto event = eventFor(touch);
    // A copy: a recogniser's or a view's code may change the lists.
    const auto recognizers = record->recognizers;
    for (const auto& weak : recognizers) {
        if (const auto recognizer = weak.lock())
            recognizer->receiveTouches(phase, {touch}, event.get());
    }
    processStateChanges();
    deliverToView(*record, event.get());
    if (depth_ == 1) settle();
}

void GestureEnvironment::recognizerChangedState(UIGestureRecognizer& recognizer,
                                                UIGestureRecognizerState from) {
    auto self = std::static_pointer_cast<UIGestureRecognizer>(recognizer.shared_from_this());
    stateChanges_.push_back({self, from, recognizer.state()});
    if (depth_ > 0) return;
    ScopedDepth scope(depth_);
    settle();
}

void GestureEnvironment::discardStateChanges(const UIGestureRecognizer& recognizer) {
    std::erase_if(stateChanges_, [&recognizer](const StateChange& change) {
        return change.recognizer.lock().get() == &recognizer;
    });
}

// Touches

std::shared_ptr<GestureEnvironment::TouchRecord> GestureEnvironment::beginRecord(
    const std::shared_ptr<UITouch>& touch) {
    auto record = std::make_shared<TouchRecord>();
    record->touch = touch;
    for (auto view = touch->view(); view; view = view->superview()) {
        for (const auto& recognizer : view->gestureRecognizers()) {
            if (!recognizer->isEnabled()) continue;
            const auto delegate = recognizer->delegate();
            if (delegate &&
                !delegate->gestureRecognizer_shouldReceiveTouch(recognizer.get(), touch.get()))
                continue;
            record->recognizers.push_back(recognizer);
            const bool engaged = std::any_of(engaged_.begin(), engaged_.end(),
                                             [&](auto& weak) { return weak.lock() == recognizer; });
            if (!engaged) engaged_.push_back(recognizer);
        }
    }
    records_.push_back(record);
    return record;
}

std::shared_ptr<GestureEnvironment::TouchRecord> GestureEnvironment::recordFor(
    const UITouch* touch) const {
    auto it = std::find_if(records_.begin(), records_.end(),
                           [touch](const auto& record) { return record->touch.get() == touch; });
    return it != records_.end() ? *it : nullptr;
}

std::shared_ptr<UIEvent> GestureEnvironment::eventFor(const std::shared_ptr<UITouch>& touch) const {
    UITouchSet touches;
    for (const auto& record : records_) {
        if (record->touch == touch || !isEnding(record->touch->phase()))
            touches.push_back(record->touch);
    }
    return std::make_shared<UIEvent>(std::move(touches), NSDate::now());
}

void GestureEnvironment::deliverToView(TouchRecord& record, UIEvent* event) {
    const auto& touch = record.touch;
    const auto view = touch->view();
    const ViewDelivery delivery = record.viewDelivery;
    if (!view) {
        record.viewDelivery = ViewDelivery::Over;
        return;
    }
    switch (touch->phase()) {
        case UITouchPhaseBegan:
            if (delivery != ViewDelivery::NotStarted) return;
            record.viewDelivery = ViewDelivery::Started;
            view->touchesBegan_withEvent({touch}, event);
            return;
        case UITouchPhaseMoved:
        case UITouchPhaseStationary:
            if (delivery == ViewDelivery::Started) view->touchesMoved_withEvent({touch}, event);
            return;
        case UITouchPhaseEnded:
            if (delivery != ViewDelivery::Started) {
                record.viewDelivery = ViewDelivery::Over;
            } else if (isEndHeld(record)) {
                record.viewDelivery = ViewDelivery::EndHeld;
            } else {
                record.viewDelivery = ViewDelivery::Over;
                view->touchesEnded_withEvent({touch}, event);
            }
            return;
        case UITouchPhaseCancelled:
            record.viewDelivery = ViewDelivery::Over;
            if (delivery == ViewDelivery::Started) view->touchesCancelled_withEvent({touch}, event);
            return;
    }
}

bool GestureEnvironment::isEndHeld(const TouchRecord& record) const {
    return std::any_of(record.recognizers.begin(), record.recognizers.end(), [&](auto& weak) {
        const auto recognizer = weak.lock();
        return recognizer && recognizer->delaysTouchesEnded() &&
               recognizer->state() == UIGestureRecognizerStatePossible &&
               recognizer->hasTouch(record.touch.get());
    });
}

void GestureEnvironment::releaseDecidedEnds() {
    const auto records = records_;
    for (const auto& record : records) {
        if (record->viewDelivery != ViewDelivery::EndHeld || isEndHeld(*record)) continue;
        record->viewDelivery = ViewDelivery::Over;
        if (const auto view = record->touch->view())
            view->touchesEnded_withEvent({record->touch}, eventFor(record->touch).get());
    }
}

// Recognisers

void GestureEnvironment::settle() {
    do {
        processStateChanges();
        releaseDecidedEnds();
    } while (!stateChanges_.empty());
    resetFinishedRecognizers();
    std::erase_if(records_, [](const auto& record) {
        return isEnding(record->touch->phase()) && record->viewDelivery == ViewDelivery::Over;
    });
}

void GestureEnvironment::processStateChanges() {
    while (!stateChanges_.empty()) {
        const StateChange change = stateChanges_.front();
        stateChanges_.pop_front();
        const auto recognizer = change.recognizer.lock();
        if (!recognizer) continue;
        const bool begins = change.from == UIGestureRecognizerStatePossible &&
                            (change.to == UIGestureRecognizerStateBegan ||
                             change.to == UIGestureRecognizerStateRecognized);
        if (begins) {
            recognizer->state_ = change.from;  // the delegate is asked before it leaves Possible
            if (!mayBegin(*recognizer)) {
                fail(*recognizer);
                continue;
            }
        }
        // Later changes of the same recogniser may still be queued: its targets hear each state.
        recognizer->state_ = change.to;
        if (begins) {
            failRivals(*recognizer);
            if (recognizer->cancelsTouchesInView()) cancelTouchesInView(*recognizer);
        }
        if (change.to != UIGestureRecognizerStateFailed) recognizer->sendActions();
    }
}

UIGestureRecognizerState GestureEnvironment::settledState(
    const UIGestureRecognizer& recognizer) const {
    auto it = std::find_if(stateChanges_.begin(), stateChanges_.end(), [&](const auto& change) {
        return change.recognizer.lock().get() == &recognizer;
    });
    return it != stateChanges_.end() ? it->from : recognizer.state();
}

std::vector<std::shared_ptr<UIGestureRecognizer>> GestureEnvironment::rivalsOf(
    const UIGestureRecognizer& recognizer) const {
    std::vector<std::shared_ptr<UIGestureRecognizer>> rivals;
    for (const auto& weak : engaged_) {
        auto other = weak.lock();
        if (other && other.get() != &recognizer && other->sharesTouchWith(recognizer))
            rivals.push_back(std::move(other));
    }
    return rivals;
}

bool GestureEnvironment::mayBegin(UIGestureRecognizer& recognizer) const {
    if (const auto delegate = recognizer.delegate();
        delegate && !delegate->gestureRecognizerShouldBegin(&recognizer))
        return false;
    const auto rivals = rivalsOf(recognizer);
    return std::none_of(rivals.begin(), rivals.end(), [&](const auto& rival) {
        return isActive(settledState(*rival)) && !recognizeSimultaneously(recognizer, *rival);
    });
}

void GestureEnvironment::failRivals(UIGestureRecognizer& recognizer) {
    for (const auto& rival : rivalsOf(recognizer)) {
        if (settledState(*rival) != UIGestureRecognizerStatePossible) continue;
        // A recogniser between the taps of its own sequence wants the next touch, not this one.
        if (rival->awaitsFurtherTaps() || recognizeSimultaneously(recognizer, *rival)) continue;
        fail(*rival);
    }
}

void GestureEnvironment::fail(UIGestureRecognizer& recognizer) {
    discardStateChanges(recognizer);
    recognizer.state_ = UIGestureRecognizerStateFailed;
    recognizer.stopTimer();
}

void GestureEnvironment::cancelTouchesInView(const UIGestureRecognizer& recognizer) {
    const auto touches = recognizer.touches_;  // the view's code may reset the recogniser
    for (const auto& touch : touches) {
        const auto record = recordFor(touch.get());
        if (!record) continue;
        const ViewDelivery delivery = record->viewDelivery;
        record->viewDelivery = ViewDelivery::Over;
        if (delivery != ViewDelivery::Started && delivery != ViewDelivery::EndHeld) continue;
        if (const auto view = touch->view())
            view->touchesCancelled_withEvent({touch}, eventFor(touch).get());
    }
}

void GestureEnvironment::resetFinishedRecognizers() {
    const auto engaged = engaged_;
    std::vector<std::weak_ptr<UIGestureRecognizer>> stillEngaged;
    for (const auto& weak : engaged) {
        const auto recognizer = weak.lock();
        if (!recognizer) continue;
        if (!recognizer->isUndecided() && !recognizer->hasFingersDown()) {
            recognizer->resetGesture();
        } else if (!recognizer->touches_.empty()) {
            stillEngaged.push_back(weak);
        }
    }
    engaged_ = std::move(stillEngaged);
}
