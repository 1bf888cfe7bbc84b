// The HUD's state: its creation, its properties and the class operations that find a view's HUDs.
#include "tweak/hud/ProgressHUD.h"

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/foundation/NSTimer.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIWindow.h"

namespace {

constexpr unsigned kFlexibleMargins =
    UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleRightMargin |
    UIViewAutoresizingFlexibleTopMargin | UIViewAutoresizingFlexibleBottomMargin;

}  // namespace

Class ProgressHUD::classObject() {
    static const Class cls =
        defineClass<ProgressHUD>("ProgressHUD", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<ProgressHUD*>(self)->drawRect(rect);
                });
            c.addMethod(
                "handleGraceTimer:", +[](id self, SEL, NSTimer*) {
                    static_cast<ProgressHUD*>(self)->handleGraceTimer();
                });
            c.addMethod(
                "handleMinShowTimer:", +[](id self, SEL, NSTimer*) {
                    static_cast<ProgressHUD*>(self)->handleMinShowTimer();
                });
            c.addMethod(
                "hideDelayed:", +[](id self, SEL, bool animated) {
                    static_cast<ProgressHUD*>(self)->hideDelayed(animated);
                });
            c.addMethod(
                "animationFinished:finished:context:",
                +[](id self, SEL, const std::string& animationID, bool finished, void* context) {
                    static_cast<ProgressHUD*>(self)->animationFinished_finished_context(
                        animationID, finished, context);
                });
            c.addMethod(
                "done", +[](id self, SEL) { static_cast<ProgressHUD*>(self)->done(); });
            c.addMethod(
                "launchExecution",
                +[](id self, SEL) { static_cast<ProgressHUD*>(self)->launchExecution(); });
            c.addMethod(
                "cleanUp", +[](id self, SEL) { static_cast<ProgressHUD*>(self)->cleanUp(); });
        });
    return cls;
}

// Creation

ProgressHUD::ProgressHUD(CGRect frame)
    : UIView(frame),
      labelFont_(UIFont::boldSystemFontOfSize(16)),
      labelColor_(UIColor::whiteColor()),
      detailsLabelFont_(UIFont::boldSystemFontOfSize(12)),
      detailsLabelColor_(UIColor::whiteColor()) {
    setAutoresizingMask(kFlexibleMargins);
    setOpaque(false);
    setBackgroundColor(UIColor::clearColor());
    // The layer has no delegate while the HUD is being made: without this its alpha would fade
    // out as a lone layer's does, over the HUD's first show.
    CATransaction::begin();
    CATransaction::setDisableActions(true);
    setAlpha(0);
    CATransaction::commit();
    // The box is drawn centred in the bounds.
    layer()->setNeedsDisplayOnBoundsChange(true);
}

std::shared_ptr<ProgressHUD> ProgressHUD::initWithFrame(CGRect frame) {
    std::shared_ptr<ProgressHUD> hud(new ProgressHUD(frame));
    hud->finishInit();
    return hud;
}

std::shared_ptr<ProgressHUD> ProgressHUD::initWithView(const std::shared_ptr<UIView>& view) {
    NSAssert(view != nullptr, "View must not be nil.");
    return initWithFrame(view->bounds());
}

std::shared_ptr<ProgressHUD> ProgressHUD::initWithWindow(const std::shared_ptr<UIWindow>& window) {
    return initWithView(window);
}

void ProgressHUD::finishInit() {
    setupLabels();
    updateIndicators();
    registerForKVO();
    registerForNotifications();
}

std::shared_ptr<ProgressHUD> ProgressHUD::self() {
    return std::static_pointer_cast<ProgressHUD>(shared_from_this());
}

// Observed properties: each change is told to the HUD's own observation, on the setting thread.

void ProgressHUD::setMode(ProgressHUDMode mode) {
    mode_.store(mode);
    didChangeValueForKey("mode", mode);
}

void ProgressHUD::setCustomView(std::shared_ptr<UIView> view) {
    customView_.set(view);
    didChangeValueForKey("customView", view);
}

void ProgressHUD::setLabelText(std::string text) {
    labelText_.set(text);
    didChangeValueForKey("labelText", text);
}

void ProgressHUD::setLabelFont(std::shared_ptr<UIFont> font) {
    labelFont_.set(font);
    didChangeValueForKey("labelFont", font);
}

void ProgressHUD::setLabelColor(std::shared_ptr<UIColor> color) {
    labelColor_.set(color);
    didChangeValueForKey("labelColor", color);
}

void ProgressHUD::setDetailsLabelText(std::string text) {
    detailsLabelText_.set(text);
    didChangeValueForKey("detailsLabelText", text);
}

void ProgressHUD::setDetailsLabelFont(std::shared_ptr<UIFont> font) {
    detailsLabelFont_.set(font);
    didChangeValueForKey("detailsLabelFont", font);
}

void ProgressHUD::setDetailsLabelColor(std::shared_ptr<UIColor> color) {
    detailsLabelColor_.set(color);
    didChangeValueForKey("detailsLabelColor", color);
}

void ProgressHUD::setProgress(float progress) {
    progress_.store(progress);
    didChangeValueForKey("progress", progress);
}

// Class operations

std::shared_ptr<ProgressHUD> ProgressHUD::showHUDAddedTo_animated(
    const std::shared_ptr<UIView>& view, bool animated) {
    auto hud = initWithView(view);
    view->addSubview(hud);
    hud->show(animated);
    return hud;
}

bool ProgressHUD::hideHUDForView_animated(const std::shared_ptr<UIView>& view, bool animated) {
    const auto hud = HUDForView(view);
    if (!hud) return false;
    hud->setRemoveFromSuperViewOnHide(true);
    hud->hide(animated);
    return true;
}

std::size_t ProgressHUD::hideAllHUDsForView_animated(const std::shared_ptr<UIView>& view,
                                                     bool animated) {
    const auto huds = allHUDsForView(view);
    for (const auto& hud : huds) {
        hud->setRemoveFromSuperViewOnHide(true);
        hud->hide(animated);
    }
    return huds.size();
}

std::shared_ptr<ProgressHUD> ProgressHUD::HUDForView(const std::shared_ptr<UIView>& view) {
    const auto huds = allHUDsForView(view);
    return huds.empty() ? nullptr : huds.back();
}

std::vector<std::shared_ptr<ProgressHUD>> ProgressHUD::allHUDsForView(
    const std::shared_ptr<UIView>& view) {
    std::vector<std::shared_ptr<ProgressHUD>> huds;
    if (!view) return huds;
    for (const auto& subview : view->subviews()) {
        if (subview->isKindOfClass(classObject()))
            huds.push_back(std::static_pointer_cast<ProgressHUD>(subview));
    }
    return huds;
}
