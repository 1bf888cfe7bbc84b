#pragma once

class UIGestureRecognizer;
class UITouch;

// What a recogniser's delegate may decide; every answer is optional and defaults to the
// platform's behaviour.
class UIGestureRecognizerDelegate {
public:
    virtual ~UIGestureRecognizerDelegate() = default;

    // Asked when the recogniser is about to leave Possible; false makes it fail instead.
    virtual bool gestureRecognizerShouldBegin(UIGestureRecognizer*) { return true; }
    // Asked when a finger comes down in the recogniser's view; false keeps that touch from it.
    virtual bool gestureRecognizer_shouldReceiveTouch(UIGestureRecognizer*, UITouch*) {
        return true;
    }
    // Asked when either recogniser would stop the other; true from either delegate lets both
    // recognise.
    virtual bool gestureRecognizer_shouldRecognizeSimultaneouslyWithGestureRecognizer(
        UIGestureRecognizer*, UIGestureRecognizer*) {
        return false;
    }
};
