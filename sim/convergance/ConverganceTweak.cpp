// A stand-in for Convergance, another developer's lock-screen tweak, so that a tweak which makes
// room for it meets the real thing: loaded into SpringBoard by the tweak loader, it lays a lock
// screen of its own (a scroll view two screens wide, at rest on the right, tinted so it can be
// told apart) over SpringBoard's system 7 lock screen in place of its content, and answers the
// class methods other tweaks ask it: +[CVResources lockScreenEnabled] (false when its preference
// "Enabled" is false) and
// +[CVAPI mainScrollView]. Paging to its left screen unlocks the device, as SpringBoard's own
// lock screen does.
#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UIScrollView.h"

namespace {

constexpr char kPreferencesDomain[] = "com.convergance";

bool lockScreenEnabled() {
    bool valid = false;
    const bool enabled = CFPreferencesGetAppBooleanValue("Enabled", kPreferencesDomain, &valid);
    return !valid || enabled;
}

std::shared_ptr<UIScrollView> foregroundScrollViewOf(const UIView& lockScreen) {
    return std::dynamic_pointer_cast<UIScrollView>(object_getIvar(
        &lockScreen,
        class_getInstanceVariable(object_getClass(&lockScreen), "_foregroundScrollView")));
}

// Pages SpringBoard's own scroll view to its unlocking page when ours gets to the left screen.
class UnlockByPaging : public UIScrollViewDelegate {
public:
    void attachTo(const std::shared_ptr<UIView>& lockScreen) { lockScreen_ = lockScreen; }

    void scrollViewDidScroll(UIScrollView* scrollView) override {
        if (scrollView->isDragging() || scrollView->contentOffset().x > 0.5) return;
        auto lockScreen = lockScreen_.lock();
        if (!lockScreen) return;
        if (auto own = foregroundScrollViewOf(*lockScreen))
            DispatchQueue::main().async([own] { own->setContentOffset({0, 0}); });
    }

private:
    std::weak_ptr<UIView> lockScreen_;
};

// Scroll views hold their delegates weakly: this one lives as long as the library.
const std::shared_ptr<UnlockByPaging>& unlockByPaging() {
    static const auto delegate = std::make_shared<UnlockByPaging>();
    return delegate;
}

// Its name, at the top of its main screen.
const std::shared_ptr<UILabel>& title() {
    static const auto label = [] {
        auto view = std::make_shared<UILabel>();
        view->setText("Convergance");
        view->setFont(UIFont::boldSystemFontOfSize(28));
        view->setTextColor(UIColor::colorWithWhite_alpha(1, 0.9));
        view->setTextAlignment(NSTextAlignmentCenter);
        return view;
    }();
    return label;
}

// The lock screen's scroll view: one for the process, laid over each new lock screen.
const std::shared_ptr<UIScrollView>& mainScrollView() {
    static const auto scrollView = [] {
        auto view = std::make_shared<UIScrollView>();
        view->setPagingEnabled(true);
        view->setBackgroundColor(UIColor::colorWithRed_green_blue_alpha(0.1, 0.25, 0.45, 0.55));
        view->addSubview(title());
        view->setDelegate(unlockByPaging());
        return view;
    }();
    return scrollView;
}

void layOver(UIView& lockScreen) {
    const auto& scrollView = mainScrollView();
    const CGRect bounds = lockScreen.bounds();
    const bool sizeChanged = scrollView->bounds().size != bounds.size;
    scrollView->setFrame(bounds);
    scrollView->setContentSize({2 * bounds.size.width, bounds.size.height});
    if (sizeChanged) scrollView->setContentOffset({bounds.size.width, 0});
    title()->setFrame(
        CGRectMake(bounds.size.width, bounds.size.height * 0.1, bounds.size.width, 40));
    lockScreen.addSubview(scrollView);
    if (auto own = foregroundScrollViewOf(lockScreen)) own->setHidden(true);  // ours replaces it
}

void (*previousLayoutSubviews)(id, SEL) = nullptr;

void layoutSubviews(id self, SEL selector) {
    previousLayoutSubviews(self, selector);
    if (!lockScreenEnabled()) return;
    auto lockScreen = std::static_pointer_cast<UIView>(self->shared_from_this());
    unlockByPaging()->attachTo(lockScreen);
    layOver(*lockScreen);
}

__attribute__((constructor)) void loaded() {
    defineClass<NSObject>("CVResources", NSObject::classObject(), [](RuntimeClass& c) {
        c.addClassMethod(
            "lockScreenEnabled", +[](Class, SEL) { return lockScreenEnabled(); });
    });
    defineClass<NSObject>("CVAPI", NSObject::classObject(), [](RuntimeClass& c) {
        c.addClassMethod(
            "mainScrollView",
            +[](Class, SEL) -> std::shared_ptr<NSObject> { return mainScrollView(); });
    });
    MSHookMessageEx(objc_getClass("SBLockScreenView"), "layoutSubviews", layoutSubviews,
                    &previousLayoutSubviews);
}

}  // namespace
