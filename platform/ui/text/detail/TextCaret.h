#pragma once

#include <memory>

#include "platform/graphics/CGColor.h"
#include "platform/graphics/CGGeometry.h"

class CALayer;
class NSTimer;

// The blinking insertion point of a text input: a thin sublayer of the input's layer, on and off
// for half a second each while it is shown, and steady again after every move so that it stays
// in sight while the user types. Blinks on the main run loop's clock, so virtual time drives it
// in tests. Owned by its input; the layer is taken off the host when the caret goes.
class TextCaret {
public:
    static constexpr CGFloat kWidth = 2;
    static constexpr double kBlinkInterval = 0.5;

    explicit TextCaret(const std::shared_ptr<CALayer>& host);
    ~TextCaret();
    TextCaret(const TextCaret&) = delete;
    TextCaret& operator=(const TextCaret&) = delete;

    // Shows the caret with its left edge at `line`'s x, as tall as the line, in the host's
    // coordinates, and starts a blink cycle.
    void showAt(CGRect line);
    void hide();
    // Whether the caret is on screen at this moment of its blinking.
    bool isLit() const;
    // The caret's rectangle in the host's coordinates.
    CGRect frame() const;

private:
    void scheduleBlink();
    void blink();

    std::shared_ptr<CALayer> layer_;
    std::shared_ptr<NSTimer> timer_;
};
