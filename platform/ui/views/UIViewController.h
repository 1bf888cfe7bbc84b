#pragma once

#include <memory>
#include <string>

#include "platform/ui/touches/UIResponder.h"

class UINavigationController;
class UINavigationItem;
class UIView;

// Manages one view, made on first use, and is told as the view comes and goes.
//
// Life cycle: view() makes the view with loadView (a plain view the size of the screen unless
// overridden), then viewDidLoad runs. A container showing the view sends viewWillAppear: before
// it is on screen and viewDidAppear: after (any animation has ended), and viewWillDisappear: /
// viewDidDisappear: as it goes. A memory warning (UIApplication's performMemoryWarning) sends
// every live controller didReceiveMemoryWarning; by default a controller whose view is loaded but
// not in a window drops the view and is sent viewDidUnload; view() loads it again when next
// wanted. The life-cycle messages are sent through the runtime, so hooks and subclasses known by
// name see them.
//
// Ownership: the controller owns its view and its navigation item; its parent controller (the
// navigation controller it is in) is not owned.
class UIViewController : public UIResponder {
    RUNTIME_CLASS(UIViewController)
    UIViewController();
    ~UIViewController() override;

    const std::shared_ptr<UIView>& view();
    void setView(std::shared_ptr<UIView> view);
    bool isViewLoaded() const { return view_ != nullptr; }

    const std::string& title() const { return title_; }
    // Also the navigation item's title.
    void setTitle(std::string title);
    // The navigation controller the controller is in, if any.
    std::shared_ptr<UINavigationController> navigationController() const;
    std::shared_ptr<UIViewController> parentViewController() const {
        return parentViewController_.lock();
    }
    // What a navigation bar shows for the controller; made on first use with its title.
    const std::shared_ptr<UINavigationItem>& navigationItem();

    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool) {}
    virtual void viewDidAppear(bool) {}
    virtual void viewWillDisappear(bool) {}
    virtual void viewDidDisappear(bool) {}
    virtual void viewDidUnload() {}
    virtual void didReceiveMemoryWarning();

    // For containers: sends viewWillAppear: (appearing) or viewWillDisappear:, and then, from
    // endAppearanceTransition, the matching did-message.
    void beginAppearanceTransition(bool isAppearing, bool animated);
    void endAppearanceTransition();

    // For containers: the controller that shows this one's view inside its own.
    void setParentViewController(const std::shared_ptr<UIViewController>& parent) {
        parentViewController_ = parent;
    }

private:
    std::shared_ptr<UIView> view_;
    std::string title_;
    std::shared_ptr<UINavigationItem> navigationItem_;
    std::weak_ptr<UIViewController> parentViewController_;
    // The transition begun and not yet ended: appearing or not, and animated or not.
    struct Transition {
        bool appearing;
        bool animated;
    };
    std::unique_ptr<Transition> transition_;
};
