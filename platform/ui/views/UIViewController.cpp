#include "platform/ui/views/UIViewController.h"

#include <algorithm>
#include <vector>

#include "platform/foundation/NSNotificationCenter.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/navigation/UINavigationItem.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIView.h"

namespace {

// Every controller alive, for the memory warning: added when made, removed when destroyed.
std::vector<UIViewController*>& liveControllers() {
    // Kept until exit: controllers that live in static storage (a tweak's singleton) unregister
    // during exit, after function-local statics made before them are gone.
    static auto* controllers = new std::vector<UIViewController*>();
    return *controllers;
}

void warnLiveControllers() {
    // Held while told, as a warning may release other controllers.
    std::vector<std::shared_ptr<NSObject>> held;
    for (UIViewController* controller : liveControllers()) {
        if (auto owned = controller->weak_from_this().lock()) held.push_back(std::move(owned));
    }
    for (const auto& controller : held)
        msgSend<void()>(controller.get(), "didReceiveMemoryWarning");
}

void observeMemoryWarnings() {
    static const Subscription subscription =
        NSNotificationCenter::defaultCenter().addObserverForName(
            std::string(kMemoryPressureNotification), nullptr,
            [](const NSNotification&) { warnLiveControllers(); });
}

}  // namespace

Class UIViewController::classObject() {
    static const Class cls = defineClass<UIViewController>(
        "UIViewController", UIResponder::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "loadView", +[](id o, SEL) { static_cast<UIViewController*>(o)->loadView(); });
            c.addMethod(
                "viewDidLoad",
                +[](id o, SEL) { static_cast<UIViewController*>(o)->viewDidLoad(); });
            c.addMethod(
                "viewWillAppear:", +[](id o, SEL, bool animated) {
                    static_cast<UIViewController*>(o)->viewWillAppear(animated);
                });
            c.addMethod(
                "viewDidAppear:", +[](id o, SEL, bool animated) {
                    static_cast<UIViewController*>(o)->viewDidAppear(animated);
                });
            c.addMethod(
                "viewWillDisappear:", +[](id o, SEL, bool animated) {
                    static_cast<UIViewController*>(o)->viewWillDisappear(animated);
                });
            c.addMethod(
                "viewDidDisappear:", +[](id o, SEL, bool animated) {
                    static_cast<UIViewController*>(o)->viewDidDisappear(animated);
                });
            c.addMethod(
                "viewDidUnload",
                +[](id o, SEL) { static_cast<UIViewController*>(o)->viewDidUnload(); });
            c.addMethod(
                "didReceiveMemoryWarning",
                +[](id o, SEL) { static_cast<UIViewController*>(o)->didReceiveMemoryWarning(); });
        });
    return cls;
}

UIViewController::UIViewController() {
    observeMemoryWarnings();
    liveControllers().push_back(this);
}

UIViewController::~UIViewController() {
    std::erase(liveControllers(), this);
}

const std::shared_ptr<UIView>& UIViewController::view() {
    if (!view_) {
        msgSend<void()>(this, "loadView");
        if (!view_) view_ = std::make_shared<UIView>(UIScreen::mainScreen().bounds());
        msgSend<void()>(this, "viewDidLoad");
    }
    return view_;
}

void UIViewController::setView(std::shared_ptr<UIView> view) {
    view_ = std::move(view);
}

void UIViewController::loadView() {
    view_ = std::make_shared<UIView>(UIScreen::mainScreen().bounds());
}

void UIViewController::setTitle(std::string title) {
    title_ = std::move(title);
    if (navigationItem_) navigationItem_->setTitle(title_);
}

std::shared_ptr<UINavigationController> UIViewController::navigationController() const {
    for (auto parent = parentViewController(); parent; parent = parent->parentViewController()) {
        if (parent->isKindOfClass(UINavigationController::classObject()))
            return std::static_pointer_cast<UINavigationController>(parent);
    }
    return nullptr;
}

const std::shared_ptr<UINavigationItem>& UIViewController::navigationItem() {
    if (!navigationItem_) navigationItem_ = std::make_shared<UINavigationItem>(title_);
    return navigationItem_;
}

void UIViewController::didReceiveMemoryWarning() {
    // A view off screen but still in some view tree stays there; the controller lets go of it
    // and makes a new one when it is next wanted.
    if (!view_ || view_->window()) return;
    view_.reset();
    msgSend<void()>(this, "viewDidUnload");
}

void UIViewController::beginAppearanceTransition(bool isAppearing, bool animated) {
    transition_ = std::make_unique<Transition>(Transition{isAppearing, animated});
    msgSend<void(bool)>(this, isAppearing ? "viewWillAppear:" : "viewWillDisappear:", animated);
}

void UIViewController::endAppearanceTransition() {
    if (!transition_) return;
    const Transition ended = *std::exchange(transition_, nullptr);
    msgSend<void(bool)>(this,
                        ended.appearing ? "viewDidAppear:" : "viewDidDisappear:", ended.animated);
}
