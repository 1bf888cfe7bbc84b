#pragma once

#include <memory>

#include "platform/ui/touches/UIResponder.h"

class UIView;

// Manages one view, made on first use: loadView makes it (a plain view the size of the screen
// unless overridden), then viewDidLoad runs.
class UIViewController : public UIResponder {
    RUNTIME_CLASS(UIViewController)
    const std::shared_ptr<UIView>& view();
    void setView(std::shared_ptr<UIView> view) { view_ = std::move(view); }
    bool isViewLoaded() const { return view_ != nullptr; }

    virtual void loadView();
    virtual void viewDidLoad() {}

private:
    std::shared_ptr<UIView> view_;
};
