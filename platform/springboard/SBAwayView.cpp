#include "platform/springboard/SBAwayView.h"

#include <algorithm>

#include "platform/foundation/Clock.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/springboard/SBClockText.h"
#include "platform/springboard/SBWallpaperView.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UILabel.h"

Class SBAwayView::classObject() {
    static const Class cls =
        defineClass<SBAwayView>("SBAwayView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "finishedAnimatingIn",
                +[](id self, SEL) { static_cast<SBAwayView*>(self)->finishedAnimatingIn(); });
            c.addMethod(
                "lockBarUnlocked:", +[](id self, SEL, NSObject* sender) {
                    static_cast<SBAwayView*>(self)->lockBarUnlocked(sender);
                });
        });
    return cls;
}

Class SBAwayLockBar::classObject() {
    static const Class cls = defineClass<SBAwayLockBar>("SBAwayLockBar", UIView::classObject());
    return cls;
}

namespace {

constexpr CGFloat kKnobWidth = 82;
constexpr CGFloat kTrackInset = 20;

std::shared_ptr<UILabel> label(CGFloat size, bool bold) {
    auto label = std::make_shared<UILabel>();
    label->setFont(bold ? UIFont::boldSystemFontOfSize(size) : UIFont::systemFontOfSize(size));
    label->setTextColor(UIColor::whiteColor());
    label->setTextAlignment(NSTextAlignmentCenter);
    return label;
}

}  // namespace

SBAwayView::SBAwayView(CGRect frame)
    : UIView(frame),
      wallpaper_(std::make_shared<SBWallpaperView>()),
      topBar_(std::make_shared<UIView>()),
      time_(label(58, false)),
      date_(label(15, true)) {
    topBar_->setBackgroundColor(UIColor::colorWithWhite_alpha(0, 0.55));
}

std::shared_ptr<SBAwayView> SBAwayView::make(CGRect frame) {
    auto view = std::make_shared<SBAwayView>(frame);
    view->lockBar_ = SBAwayLockBar::make(view);
    view->addSubview(view->wallpaper_);
    view->addSubview(view->topBar_);
    view->topBar_->addSubview(view->time_);
    view->topBar_->addSubview(view->date_);
    view->addSubview(view->lockBar_);
    view->time_->setText(SBClockTimeText());
    view->date_->setText(SBClockDateText());
    return view;
}

void SBAwayView::lockBarUnlocked(NSObject*) {
    if (unlock_) unlock_();
}

void SBAwayView::layoutSubviews() {
    const CGRect bounds = this->bounds();
    wallpaper_->setFrame(bounds);
    topBar_->setFrame(CGRectMake(0, 0, bounds.size.width, kBarHeight));
    time_->setFrame(CGRectMake(0, 6, bounds.size.width, 62));
    date_->setFrame(CGRectMake(0, 68, bounds.size.width, 20));
    lockBar_->setFrame(
        CGRectMake(0, bounds.size.height - kBarHeight, bounds.size.width, kBarHeight));
}

std::shared_ptr<SBAwayLockBar> SBAwayLockBar::make(const std::shared_ptr<SBAwayView>& awayView) {
    auto bar = std::make_shared<SBAwayLockBar>();
    bar->awayView_ = awayView;
    bar->setBackgroundColor(UIColor::colorWithWhite_alpha(0, 0.55));
    bar->track_ = std::make_shared<UIView>();
    bar->track_->setBackgroundColor(UIColor::colorWithWhite_alpha(0, 0.6));
    bar->track_->layer()->setCornerRadius(10);
    bar->caption_ = label(22, false);
    bar->caption_->setText("slide to unlock");
    bar->caption_->setTextColor(UIColor::colorWithWhite_alpha(1, 0.75));
    bar->knob_ = std::make_shared<UIView>();
    bar->knob_->setBackgroundColor(UIColor::colorWithWhite_alpha(0.92, 1));
    bar->knob_->layer()->setCornerRadius(8);
    bar->addSubview(bar->track_);
    bar->track_->addSubview(bar->caption_);
    bar->addSubview(bar->knob_);
    return bar;
}

CGRect SBAwayLockBar::trackFrame() const {
    const CGRect bounds = this->bounds();
    return CGRectMake(kTrackInset, 20,
                      std::max<CGFloat>(bounds.size.width - 2 * kTrackInset, kKnobWidth), 56);
}

void SBAwayLockBar::layoutSubviews() {
    const CGRect track = trackFrame();
    track_->setFrame(track);
    caption_->setFrame(CGRectMake(kKnobWidth, 0, track.size.width - kKnobWidth, track.size.height));
    placeKnob(knobOffset_);
}

void SBAwayLockBar::placeKnob(CGFloat offset) {
    const CGRect track = trackFrame();
    knobOffset_ = std::clamp<CGFloat>(offset, 0, track.size.width - kKnobWidth);
    knob_->setFrame(CGRectMake(track.origin.x + knobOffset_ + 3, track.origin.y + 3, kKnobWidth - 6,
                               track.size.height - 6));
    caption_->setAlpha(1 - std::min<CGFloat>(knobOffset_ / 80, 1));
}

void SBAwayLockBar::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    if (touches.empty()) return;
    const CGPoint point = touches.front()->locationInView(this);
    dragging_ = CGRectContainsPoint(CGRectInset(knob_->frame(), -10, -10), point);
    grabX_ = point.x - knobOffset_;
}

void SBAwayLockBar::touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) {
    if (dragging_ && !touches.empty()) placeKnob(touches.front()->locationInView(this).x - grabX_);
}

void SBAwayLockBar::touchesEnded_withEvent(const UITouchSet&, UIEvent*) {
    if (!dragging_) return;
    dragging_ = false;
    if (knobOffset_ >= trackFrame().size.width - kKnobWidth - 1) {
        if (auto away = awayView_.lock())
            msgSend<void(NSObject*)>(away.get(), "lockBarUnlocked:", this);
        return;
    }
    slideBack();
}

void SBAwayLockBar::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    if (dragging_) slideBack();
    dragging_ = false;
}

void SBAwayLockBar::slideBack() {
    UIView::animateWithDuration_animations(0.25, [this] { placeKnob(0); });
}
