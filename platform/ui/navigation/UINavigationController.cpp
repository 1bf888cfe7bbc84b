#include "platform/ui/navigation/UINavigationController.h"

#include <algorithm>
#include <utility>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/navigation/UINavigationBar.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIView.h"

Class UINavigationController::classObject() {
    static const Class cls = defineClass<UINavigationController>("UINavigationController",
                                                                 UIViewController::classObject());
    return cls;
}

UINavigationController::UINavigationController()
    : bar_(std::make_shared<UINavigationBar>()), statusBarBackdrop_(std::make_shared<UIView>()) {}

UINavigationController::~UINavigationController() = default;

std::shared_ptr<UINavigationController> UINavigationController::make(
    const std::shared_ptr<UIViewController>& rootViewController) {
    auto navigation = std::make_shared<UINavigationController>();
    navigation->bar_->setDelegate(navigation);
    navigation->pushViewController_animated(rootViewController, false);
    return navigation;
}

std::shared_ptr<UIViewController> UINavigationController::topViewController() const {
    return stack_.empty() ? nullptr : stack_.back();
}

bool UINavigationController::isOnScreen() const {
    return isViewLoaded() && const_cast<UINavigationController*>(this)->view()->window();
}

CGRect UINavigationController::contentFrame() {
    const CGRect area = view()->bounds();
    const CGFloat top = kStatusBarHeight + UINavigationBar::kHeight;
    return {{0, top}, {area.size.width, std::max(area.size.height - top, 0.0)}};
}

void UINavigationController::loadView() {
    const CGRect screen = UIScreen::mainScreen().bounds();
    auto container = std::make_shared<UIView>(screen);
    container->setClipsToBounds(true);
    const bool classic = UIDevice::currentDevice().isSystemVersionBefore("7.0");
    // Behind the status bar: black before 7, the bar's own colour on 7.
    statusBarBackdrop_->setBackgroundColor(
        classic ? UIColor::blackColor() : UIColor::colorWithWhite_alpha(0xF7 / 255.0, 1));
    statusBarBackdrop_->setFrame({{0, 0}, {screen.size.width, kStatusBarHeight}});
    statusBarBackdrop_->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    bar_->setFrame({{0, kStatusBarHeight}, {screen.size.width, UINavigationBar::kHeight}});
    bar_->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    container->addSubview(statusBarBackdrop_);
    container->addSubview(bar_);
    setView(container);
    if (auto top = topViewController()) {
        placePane(*top->view());
        container->insertSubview_atIndex(top->view(), 0);
    }
}

void UINavigationController::placePane(UIView& paneView) {
    paneView.setFrame(contentFrame());
    // Panes follow the container's size, as the bar does.
    paneView.setAutoresizingMask(UIViewAutoresizingFlexibleWidth |
                                 UIViewAutoresizingFlexibleHeight);
}

// Pushing and popping

void UINavigationController::pushViewController_animated(
    const std::shared_ptr<UIViewController>& controller, bool animated) {
    if (!controller || std::find(stack_.begin(), stack_.end(), controller) != stack_.end()) {
        NSLog("UINavigationController: a controller that is null or already shown can't be pushed");
        return;
    }
    endTransitionNow();
    const auto from = topViewController();
    stack_.push_back(controller);
    controller->setParentViewController(std::static_pointer_cast<UIViewController>(
        std::static_pointer_cast<UINavigationController>(shared_from_this())));
    bar_->pushNavigationItem_animated(controller->navigationItem(), animated && from);
    if (isViewLoaded()) transition(from, controller, Direction::Push, animated);
}

std::shared_ptr<UIViewController> UINavigationController::popViewControllerAnimated(bool animated) {
    if (stack_.size() < 2) return nullptr;
    endTransitionNow();
    auto popped = stack_.back();
    stack_.pop_back();
    bar_->popNavigationItemAnimated(animated);
    if (isViewLoaded()) {
        transition(popped, topViewController(), Direction::Pop, animated);
    } else {
        popped->setParentViewController(nullptr);
    }
    return popped;
}

bool UINavigationController::navigationBar_shouldPopItem(UINavigationBar*, UINavigationItem*) {
    popViewControllerAnimated(true);
    return false;  // popping the controller has popped its item
}

void UINavigationController::transition(const std::shared_ptr<UIViewController>& from,
                                        const std::shared_ptr<UIViewController>& to,
                                        Direction direction, bool animated) {
    const auto& container = view();
    const bool visible = isOnScreen();
    const CGRect frame = contentFrame();
    const auto& toView = to->view();
    placePane(*toView);
    const std::shared_ptr<UIView> fromView = from && from->isViewLoaded() ? from->view() : nullptr;
    if (visible) {
        if (from) from->beginAppearanceTransition(false, animated);
        to->beginAppearanceTransition(true, animated);
    }
    // A pushed pane slides in over the old one, under the bar; a popped one is uncovered.
    const auto& subviews = container->subviews();
    const auto barIndex =
        static_cast<size_t>(std::find(subviews.begin(), subviews.end(), bar_) - subviews.begin());
    container->insertSubview_atIndex(toView, direction == Direction::Push ? barIndex : 0);

    const auto self = std::static_pointer_cast<UINavigationController>(shared_from_this());
    const std::uint64_t number = ++transitionNumber_;
    finishTransition_ = [self, from, to, fromView, toView, frame, visible] {
        toView->layer()->removeAllAnimations();
        if (fromView) {
            fromView->layer()->removeAllAnimations();
            fromView->removeFromSuperview();
            fromView->setFrame(frame);
        }
        if (from && std::find(self->stack_.begin(), self->stack_.end(), from) == self->stack_.end())
            from->setParentViewController(nullptr);
        if (visible) {
            if (from) from->endAppearanceTransition();
            to->endAppearanceTransition();
        }
    };
    if (!animated || !fromView) {
        endTransitionNow();
        return;
    }
    const CGFloat width = frame.size.width;
    const bool classic = UIDevice::currentDevice().isSystemVersionBefore("7.0");
    const CGFloat uncovered = classic ? -width : -width / 3;
    const auto moved = [&](CGFloat dx) { return CGRectOffset(frame, dx, 0); };
    const bool pushing = direction == Direction::Push;
    toView->setFrame(moved(pushing ? width : uncovered));
    UIView::animateWithDuration_delay_options_animations_completion(
        kSlideDuration, 0, UIViewAnimationOptionCurveEaseInOut,
        [&] {
            toView->setFrame(frame);
            fromView->setFrame(moved(pushing ? uncovered : width));
        },
        [self, number](bool) {
            if (self->transitionNumber_ == number) self->endTransitionNow();
        });
}

void UINavigationController::endTransitionNow() {
    if (auto finish = std::exchange(finishTransition_, nullptr)) finish();
}

// Appearance: the top controller comes and goes with the navigation controller.

void UINavigationController::viewWillAppear(bool animated) {
    if (auto top = topViewController()) top->beginAppearanceTransition(true, animated);
}

void UINavigationController::viewDidAppear(bool) {
    if (auto top = topViewController()) top->endAppearanceTransition();
}

void UINavigationController::viewWillDisappear(bool animated) {
    endTransitionNow();
    if (auto top = topViewController()) top->beginAppearanceTransition(false, animated);
}

void UINavigationController::viewDidDisappear(bool) {
    if (auto top = topViewController()) top->endAppearanceTransition();
}
