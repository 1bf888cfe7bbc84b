#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/navigation/UINavigationBarDelegate.h"
#include "platform/ui/views/UIViewController.h"

class UINavigationBar;

// A stack of panes under a navigation bar: the top controller's view fills the space below the
// bar. Pushing slides the new pane in from the right over kSlideDuration while the old one moves
// left (a third of the width on system 7, the whole width before); popping slides them back. The
// controllers get their appearance messages in order: the arriving one's viewDidLoad (when first
// loaded), the leaving one's viewWillDisappear:, the arriving one's viewWillAppear:, and when the
// slide ends the leaving one's viewDidDisappear: and the arriving one's viewDidAppear: — only
// while the navigation controller's view is in a window. A push or pop during a slide ends the
// slide first.
//
// Ownership: the navigation controller owns its controllers (the stack) and its bar; each
// controller's parent link back to it is weak.
class UINavigationController : public UIViewController, public UINavigationBarDelegate {
    RUNTIME_CLASS(UINavigationController)
    UINavigationController();
    ~UINavigationController() override;
    static std::shared_ptr<UINavigationController> make(
        const std::shared_ptr<UIViewController>& rootViewController);

    static constexpr double kSlideDuration = 0.35;
    // The status bar's height above the navigation bar.
    static constexpr CGFloat kStatusBarHeight = 20;

    // A controller already in the stack, or null, is ignored.
    void pushViewController_animated(const std::shared_ptr<UIViewController>& controller,
                                     bool animated);
    // The controller popped; null at the root, which stays.
    std::shared_ptr<UIViewController> popViewControllerAnimated(bool animated);
    std::shared_ptr<UIViewController> topViewController() const;
    const std::vector<std::shared_ptr<UIViewController>>& viewControllers() const { return stack_; }
    const std::shared_ptr<UINavigationBar>& navigationBar() const { return bar_; }
    bool isTransitioning() const { return static_cast<bool>(finishTransition_); }

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;

    // UINavigationBarDelegate: the back button pops the top controller.
    bool navigationBar_shouldPopItem(UINavigationBar* bar, UINavigationItem* item) override;

private:
    enum class Direction { Push, Pop };
    void transition(const std::shared_ptr<UIViewController>& from,
                    const std::shared_ptr<UIViewController>& to, Direction direction,
                    bool animated);
    // Ends a slide under way at once, its views where they end and its messages sent.
    void endTransitionNow();
    CGRect contentFrame();
    void placePane(UIView& paneView);
    bool isOnScreen() const;

    std::vector<std::shared_ptr<UIViewController>> stack_;
    std::shared_ptr<UINavigationBar> bar_;
    std::shared_ptr<UIView> statusBarBackdrop_;
    std::function<void()> finishTransition_;
    std::uint64_t transitionNumber_ = 0;
};
