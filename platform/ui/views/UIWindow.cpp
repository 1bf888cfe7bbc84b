#include "platform/ui/views/UIWindow.h"

#include <utility>

#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIViewController.h"

Class UIWindow::classObject() {
    static const Class cls = defineClass<UIWindow>("UIWindow", UIView::classObject());
    return cls;
}

void UIWindow::makeKeyAndVisible() {
    setHidden(false);
    UIApplication::sharedApplication().makeKeyWindow(
        std::static_pointer_cast<UIWindow>(shared_from_this()));
}

bool UIWindow::isKeyWindow() const {
    return UIApplication::sharedApplication().keyWindow().get() == this;
}

void UIWindow::setRootViewController(std::shared_ptr<UIViewController> controller) {
    if (controller == rootViewController_) return;
    if (const auto old = std::exchange(rootViewController_, nullptr)) {
        old->beginAppearanceTransition(false, false);
        if (old->isViewLoaded()) old->view()->removeFromSuperview();
        old->endAppearanceTransition();
    }
    rootViewController_ = std::move(controller);
    if (!rootViewController_) return;
    const auto& view = rootViewController_->view();
    view->setFrame(bounds());
    rootViewController_->beginAppearanceTransition(true, false);
    addSubview(view);
    rootViewController_->endAppearanceTransition();
}

UIScreen& UIWindow::screen() const {
    return UIScreen::mainScreen();
}
