#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/navigation/UINavigationBar.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/navigation/UINavigationItem.h"
#include "platform/ui/views/UILabel.h"
#include "tests/ui/TableTestSupport.h"
#include "tests/ui/TouchTestSupport.h"

namespace {

using Log = std::vector<std::string>;

// Writes "<title>.<message>" into a shared log for each life-cycle message it gets.
class RecordingController : public UIViewController {
    RUNTIME_CLASS(RecordingController)
    RecordingController() = default;
    RecordingController(std::string name, std::shared_ptr<Log> log) : log_(std::move(log)) {
        setTitle(std::move(name));
    }

    void viewDidLoad() override { record("viewDidLoad"); }
    void viewWillAppear(bool) override { record("viewWillAppear"); }
    void viewDidAppear(bool) override { record("viewDidAppear"); }
    void viewWillDisappear(bool) override { record("viewWillDisappear"); }
    void viewDidDisappear(bool) override { record("viewDidDisappear"); }
    void viewDidUnload() override { record("viewDidUnload"); }

private:
    void record(const std::string& message) {
        if (log_) log_->push_back(title() + "." + message);
    }
    std::shared_ptr<Log> log_;
};

Class RecordingController::classObject() {
    static const Class cls =
        defineClass<RecordingController>("RecordingController", UIViewController::classObject());
    return cls;
}

// A navigation controller with pane "A" at its root as the window's root, on screen.
class NavigationTest : public TouchTest {
protected:
    NavigationTest() {
        window_->setRootViewController(navigation_);
        log_->clear();
    }

    std::shared_ptr<RecordingController> pane(const std::string& name) {
        return std::make_shared<RecordingController>(name, log_);
    }
    double presentedX(const std::shared_ptr<UIViewController>& controller) const {
        const auto presentation = controller->view()->layer()->presentation();
        return presentation.position.x - presentation.bounds.size.width / 2;
    }
    // Where the back button is on screen.
    CGPoint backButtonCenter() const {
        const auto button = navigation_->navigationBar()->backButton();
        return button->convertPoint_toView(
            {CGRectGetMidX(button->bounds()), CGRectGetMidY(button->bounds())}, nullptr);
    }

    std::shared_ptr<Log> log_ = std::make_shared<Log>();
    std::shared_ptr<RecordingController> root_ = pane("A");
    std::shared_ptr<UINavigationController> navigation_ = UINavigationController::make(root_);
};

}  // namespace

TEST_F(NavigationTest, TheRootPaneLoadsAndAppearsWithTheWindowUnderTheBar) {
    auto log = std::make_shared<Log>();
    auto root = std::make_shared<RecordingController>("Root", log);
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    window->setRootViewController(UINavigationController::make(root));
    EXPECT_EQ(*log, (Log{"Root.viewDidLoad", "Root.viewWillAppear", "Root.viewDidAppear"}));
    EXPECT_EQ(root->view()->frame(), CGRectMake(0, 64, 320, 416));
    EXPECT_EQ(root->navigationController(), window->rootViewController());
}

TEST_F(NavigationTest, APushSlidesTheNewPaneInAndSendsTheLifeCycleInOrder) {
    auto next = pane("B");
    navigation_->pushViewController_animated(next, true);
    EXPECT_EQ(*log_, (Log{"B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear"}));
    EXPECT_EQ(navigation_->topViewController(), next);
    EXPECT_EQ(next->navigationController(), navigation_);
    EXPECT_EQ(navigation_->navigationBar()->titleLabel()->text(), "B");
    EXPECT_FALSE(navigation_->navigationBar()->backButton()->isHidden());

    advance(UINavigationController::kSlideDuration / 2);
    EXPECT_GT(presentedX(next), 0);
    EXPECT_LT(presentedX(next), 320);
    EXPECT_LT(presentedX(root_), 0);
    EXPECT_GT(presentedX(root_), -320.0 / 3 - 1) << "the old pane moves a third of the way";
    EXPECT_TRUE(navigation_->isTransitioning());

    advance(UINavigationController::kSlideDuration);
    EXPECT_EQ(*log_, (Log{"B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear",
                          "A.viewDidDisappear", "B.viewDidAppear"}));
    EXPECT_EQ(root_->view()->superview(), nullptr);
    EXPECT_EQ(presentedX(next), 0);
}

TEST_F(NavigationTest, TheBackButtonShowsThePreviousTitleAndPopsWhenTapped) {
    auto next = pane("B");
    navigation_->pushViewController_animated(next, false);
    EXPECT_EQ(navigation_->navigationBar()->backItem()->title(), "A");
    const auto button = navigation_->navigationBar()->backButton();
    button->layoutIfNeeded();
    log_->clear();
    tap(backButtonCenter());
    EXPECT_EQ(*log_, (Log{"B.viewWillDisappear", "A.viewWillAppear"}));
    advance(1);
    EXPECT_EQ(*log_, (Log{"B.viewWillDisappear", "A.viewWillAppear", "B.viewDidDisappear",
                          "A.viewDidAppear"}));
    EXPECT_EQ(navigation_->viewControllers().size(), 1u);
    EXPECT_EQ(next->navigationController(), nullptr);
    EXPECT_EQ(navigation_->navigationBar()->titleLabel()->text(), "A");
    EXPECT_TRUE(navigation_->navigationBar()->backButton()->isHidden());
    EXPECT_EQ(navigation_->popViewControllerAnimated(true), nullptr) << "the root stays";
}

TEST_F(NavigationTest, APaneWithoutATitleIsBackAndATitleChangeShowsAtOnce) {
    auto untitled = pane("");
    navigation_->pushViewController_animated(untitled, false);
    navigation_->pushViewController_animated(pane("C"), false);
    const auto bar = navigation_->navigationBar();
    bar->layoutIfNeeded();
    EXPECT_EQ(bar->backButtonTitle(), "Back");
    navigation_->topViewController()->setTitle("Renamed");
    bar->layoutIfNeeded();
    EXPECT_EQ(bar->titleLabel()->text(), "Renamed");
}

TEST_F(NavigationTest, APushDuringASlideEndsTheSlideFirst) {
    auto second = pane("B");
    auto third = pane("C");
    navigation_->pushViewController_animated(second, true);
    advance(0.1);
    navigation_->pushViewController_animated(third, true);
    EXPECT_EQ(*log_,
              (Log{"B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear", "A.viewDidDisappear",
                   "B.viewDidAppear", "C.viewDidLoad", "B.viewWillDisappear", "C.viewWillAppear"}));
    advance(1);
    EXPECT_EQ(log_->back(), "C.viewDidAppear");
    EXPECT_EQ(second->view()->superview(), nullptr);
    navigation_->pushViewController_animated(third, false);
    EXPECT_EQ(navigation_->viewControllers().size(), 3u) << "a pane already shown isn't pushed";
}

TEST_F(NavigationTest, TheOlderLookMovesTheOldPaneTheWholeWidth) {
    const SystemVersionForTesting system("6.1.3");
    auto next = pane("B");
    navigation_->pushViewController_animated(next, true);
    advance(UINavigationController::kSlideDuration / 2);
    EXPECT_LT(presentedX(root_), -320.0 / 3 - 1);
    advance(1);
}

TEST_F(NavigationTest, AMemoryWarningUnloadsOnlyPanesOffScreenAndTheyLoadAgainWhenShown) {
    auto next = pane("B");
    navigation_->pushViewController_animated(next, false);
    log_->clear();
    UIApplication::sharedApplication().performMemoryWarning();
    EXPECT_EQ(*log_, (Log{"A.viewDidUnload"}));
    EXPECT_FALSE(root_->isViewLoaded());
    EXPECT_TRUE(next->isViewLoaded());
    EXPECT_TRUE(navigation_->isViewLoaded()) << "in the window";

    log_->clear();
    navigation_->popViewControllerAnimated(false);
    EXPECT_EQ(*log_, (Log{"A.viewDidLoad", "B.viewWillDisappear", "A.viewWillAppear",
                          "B.viewDidDisappear", "A.viewDidAppear"}));
    EXPECT_EQ(root_->view()->frame(), CGRectMake(0, 64, 320, 416));
    UIApplication::sharedApplication().performMemoryWarning();
    EXPECT_FALSE(next->isViewLoaded()) << "popped and off screen";
    EXPECT_TRUE(root_->isViewLoaded());
}
