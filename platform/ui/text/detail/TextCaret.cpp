#include "platform/ui/text/detail/TextCaret.h"

#include "platform/foundation/NSTimer.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/layers/CATransaction.h"

namespace {

// The caret jumps and blinks; it never fades or slides.
class WithoutAnimation {
public:
    WithoutAnimation() {
        CATransaction::begin();
        CATransaction::setDisableActions(true);
    }
    ~WithoutAnimation() { CATransaction::commit(); }
    WithoutAnimation(const WithoutAnimation&) = delete;
    WithoutAnimation& operator=(const WithoutAnimation&) = delete;
};

CGColorRef caretColor() {
    return UIColor::colorWithRed_green_blue_alpha(0, 122.0 / 255, 1, 1)->CGColor();
}

}  // namespace

TextCaret::TextCaret(const std::shared_ptr<CALayer>& host) : layer_(CALayer::layer()) {
    const WithoutAnimation still;
    layer_->setBackgroundColor(caretColor());
    layer_->setHidden(true);
    host->addSublayer(layer_);
}

TextCaret::~TextCaret() {
    if (timer_) timer_->invalidate();
    layer_->removeFromSuperlayer();
}

void TextCaret::showAt(CGRect line) {
    const WithoutAnimation still;
    layer_->setFrame({line.origin, {kWidth, line.size.height}});
    layer_->setHidden(false);
    scheduleBlink();
}

void TextCaret::hide() {
    if (timer_) timer_->invalidate();
    timer_.reset();
    const WithoutAnimation still;
    layer_->setHidden(true);
}

bool TextCaret::isLit() const {
    return !layer_->isHidden();
}

CGRect TextCaret::frame() const {
    return layer_->frame();
}

void TextCaret::scheduleBlink() {
    if (timer_) timer_->invalidate();
    // The timer never outlives the caret: the destructor invalidates it.
    timer_ = NSTimer::scheduledTimerWithTimeInterval(kBlinkInterval, [this](NSTimer&) { blink(); });
}

void TextCaret::blink() {
    {
        const WithoutAnimation still;
        layer_->setHidden(!layer_->isHidden());
    }
    scheduleBlink();
}
