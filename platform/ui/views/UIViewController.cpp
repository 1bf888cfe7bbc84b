#include "platform/ui/views/UIViewController.h"

#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIView.h"

Class UIViewController::classObject() {
    static const Class cls =
        defineClass<UIViewController>("UIViewController", UIResponder::classObject());
    return cls;
}

const std::shared_ptr<UIView>& UIViewController::view() {
    if (!view_) {
        loadView();
        if (!view_) view_ = std::make_shared<UIView>(UIScreen::mainScreen().bounds());
        viewDidLoad();
    }
    return view_;
}

void UIViewController::loadView() {
    view_ = std::make_shared<UIView>(UIScreen::mainScreen().bounds());
}
