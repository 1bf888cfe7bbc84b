#include "platform/springboard/SBLockScreenView.h"

#include <algorithm>

#include "platform/foundation/DelayedPerform.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/springboard/SBClockText.h"
#include "platform/springboard/SBLockScreenGestures.h"
#include "platform/springboard/SBUIPasscodeLockViewWithKeyboard.h"
#include "platform/springboard/SBWallpaperView.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UILabel.h"

Class SBLockScreenScrollView::classObject() {
    static const Class cls =
        defineClass<SBLockScreenScrollView>("SBLockScreenScrollView", UIScrollView::classObject());
    return cls;
}

Class SBLockScreenView::classObject() {
    static const Class cls = defineClass<SBLockScreenView>(
        "SBLockScreenView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "willAnimateRotationToInterfaceOrientation:duration:",
                +[](id self, SEL, UIInterfaceOrientation orientation, double duration) {
                    static_cast<SBLockScreenView*>(self)
                        ->willAnimateRotationToInterfaceOrientation_duration(orientation, duration);
                });
            c.addIvar("_foregroundScrollView", &SBLockScreenView::_foregroundScrollView);
            c.addIvar("_passcodeView", &SBLockScreenView::_passcodeView);
            c.addIvar("_bounceAnimator", &SBLockScreenView::_bounceAnimator);
        });
    return cls;
}

namespace {

constexpr double kHintDuration = 1.5;

std::shared_ptr<UILabel> whiteLabel(CGFloat size) {
    auto label = std::make_shared<UILabel>();
    label->setFont(UIFont::systemFontOfSize(size));
    label->setTextColor(UIColor::whiteColor());
    label->setTextAlignment(NSTextAlignmentCenter);
    return label;
}

}  // namespace

SBLockScreenView::SBLockScreenView(CGRect frame)
    : UIView(frame),
      wallpaper_(std::make_shared<SBWallpaperView>()),
      _foregroundScrollView(std::make_shared<SBLockScreenScrollView>()),
      mainPage_(std::make_shared<UIView>()),
      clock_(whiteLabel(78)),
      date_(whiteLabel(18)),
      slideToUnlock_(whiteLabel(22)),
      hint_(whiteLabel(15)),
      _bounceAnimator(std::make_shared<SBLockScreenBounceAnimator>()),
      hintManager_(std::make_shared<SBLockScreenHintManager>()) {
    _foregroundScrollView->setPagingEnabled(true);
    slideToUnlock_->setText("slide to unlock  \u203A");
    hint_->setAlpha(0);
}

SBLockScreenView::~SBLockScreenView() = default;

std::shared_ptr<SBLockScreenView> SBLockScreenView::make(CGRect frame) {
    auto view = std::make_shared<SBLockScreenView>(frame);
    view->build();
    return view;
}

void SBLockScreenView::build() {
    _passcodeView = SBUIPasscodeLockViewWithKeyboard::make(CGRectZero);
    addSubview(wallpaper_);
    addSubview(_foregroundScrollView);
    _foregroundScrollView->addSubview(_passcodeView);
    _foregroundScrollView->addSubview(mainPage_);
    for (const auto& label : {clock_, date_, slideToUnlock_, hint_}) mainPage_->addSubview(label);
    _foregroundScrollView->setDelegate(std::shared_ptr<UIScrollViewDelegate>(
        std::static_pointer_cast<SBLockScreenView>(shared_from_this()), this));
    auto self = std::static_pointer_cast<SBLockScreenView>(shared_from_this());
    _bounceAnimator->attachToLockScreenView(self);
    hintManager_->attachToLockScreenView(self);
    updateClock();
    // Laid out for the frame it was made with, before it reaches a window: what looks at the
    // foreground scroll view then sees it in its real size.
    layoutSubviews();
}

void SBLockScreenView::updateClock() {
    clock_->setText(SBClockTimeText());
    date_->setText(SBClockDateText());
}

void SBLockScreenView::layoutSubviews() {
    const CGRect bounds = this->bounds();
    const CGFloat width = bounds.size.width, height = bounds.size.height;
    wallpaper_->setFrame(bounds);
    const bool sizeChanged = _foregroundScrollView->bounds().size != bounds.size;
    _foregroundScrollView->setFrame(bounds);
    _foregroundScrollView->setContentSize({2 * width, height});
    if (sizeChanged)
        _foregroundScrollView->setContentOffset({width, 0});  // at rest on the main page
    _passcodeView->setFrame(CGRectMake(0, 0, width, height));
    mainPage_->setFrame(CGRectMake(width, 0, width, height));
    clock_->setFrame(CGRectMake(0, height * 0.08, width, 90));
    date_->setFrame(CGRectMake(0, height * 0.08 + 88, width, 24));
    hint_->setFrame(CGRectMake(0, height * 0.08 + 118, width, 20));
    slideToUnlock_->setFrame(CGRectMake(0, height - 90, width, 30));
}

void SBLockScreenView::willAnimateRotationToInterfaceOrientation_duration(UIInterfaceOrientation,
                                                                          double) {
    setNeedsLayout();
}

bool SBLockScreenView::isOwnContent(const UIView* view) const {
    const UIView* own[] = {
        this,         wallpaper_.get(), _foregroundScrollView.get(), mainPage_.get(),
        clock_.get(), date_.get(),      slideToUnlock_.get(),        hint_.get()};
    return std::find(std::begin(own), std::end(own), view) != std::end(own);
}

void SBLockScreenView::bounce() {
    mainPage_->setTransform(CGAffineTransformMakeTranslation(0, -24));
    UIView::
        animateWithDuration_delay_usingSpringWithDamping_initialSpringVelocity_options_animations_completion(
            0.6, 0, 0.35, 0, UIViewAnimationOptionAllowUserInteraction,
            [this] { mainPage_->setTransform(CGAffineTransformIdentity); }, nullptr);
}

void SBLockScreenView::showHint(const std::string& text) {
    hint_->setText(text);
    hint_->setAlpha(1);
    auto hint = hint_;
    performAfterDelay(hint_, kHintDuration, [hint] {
        UIView::animateWithDuration_animations(0.4, [hint] { hint->setAlpha(0); });
    });
}

void SBLockScreenView::scrollViewDidScroll(UIScrollView* scrollView) {
    if (unlockRequested_ || scrollView->isDragging() || scrollView->contentOffset().x > 0.5) return;
    unlockRequested_ = true;
    if (unlock_) unlock_();
}
