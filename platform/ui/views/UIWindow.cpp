#include "platform/ui/views/UIWindow.h"

#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"

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

UIScreen& UIWindow::screen() const {
    return UIScreen::mainScreen();
}
