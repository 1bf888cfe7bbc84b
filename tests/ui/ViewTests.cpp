#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"

namespace {

// A view that counts the calls the platform makes through the runtime, and draws.
class CountingView : public UIView {
    RUNTIME_CLASS(CountingView)
    using UIView::UIView;
    void layoutSubviews() override { ++layouts; }
    void didMoveToWindow() override { windowMoves.push_back(window() != nullptr); }
    void didMoveToSuperview() override { ++superviewMoves; }
    void setFrame(CGRect frame) override {
        frames.push_back(frame);
        UIView::setFrame(frame);
    }
    void drawRect(CGRect rect) override {
        UIColor::redColor()->setFill();
        UIRectFill(rect);
    }

    int layouts = 0;
    int superviewMoves = 0;
    std::vector<bool> windowMoves;
    std::vector<CGRect> frames;
};

Class CountingView::classObject() {
    static const Class cls =
        defineClass<CountingView>("CountingView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<CountingView*>(self)->drawRect(rect);
                });
        });
    return cls;
}

int hookedLayouts = 0;
void (*previousLayout)(id, SEL) = nullptr;
void hookedLayout(id self, SEL cmd) {
    ++hookedLayouts;
    previousLayout(self, cmd);
}

}  // namespace

TEST(ViewGeometryTest, FrameBoundsCenterAndTransformAgree) {
    auto view = std::make_shared<UIView>(CGRectMake(10, 20, 100, 50));
    EXPECT_EQ(view->center(), CGPointMake(60, 45));
    EXPECT_EQ(view->bounds(), CGRectMake(0, 0, 100, 50));

    view->setTransform(CGAffineTransformMakeScale(2, 2));
    EXPECT_EQ(view->frame(), CGRectMake(-40, -5, 200, 100)) << "scaled about the centre";
    EXPECT_EQ(view->bounds().size, CGSizeMake(100, 50));

    view->setTransform(CGAffineTransformIdentity);
    view->setBounds(CGRectMake(0, 0, 40, 40));
    EXPECT_EQ(view->frame(), CGRectMake(40, 25, 40, 40)) << "bounds change around the centre";
}

TEST(ViewGeometryTest, FlexibleMarginsKeepAViewCentredWhenItsSuperviewResizes) {
    auto container = std::make_shared<UIView>(CGRectMake(0, 0, 320, 480));
    auto hud = std::make_shared<UIView>(CGRectMake(110, 190, 100, 100));
    hud->setAutoresizingMask(
        UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleRightMargin |
        UIViewAutoresizingFlexibleTopMargin | UIViewAutoresizingFlexibleBottomMargin);
    auto stretched = std::make_shared<UIView>(CGRectMake(0, 0, 320, 480));
    stretched->setAutoresizingMask(UIViewAutoresizingFlexibleWidth |
                                   UIViewAutoresizingFlexibleHeight);
    container->addSubview(hud);
    container->addSubview(stretched);

    container->setFrame(CGRectMake(0, 0, 480, 320));
    EXPECT_EQ(hud->frame(), CGRectMake(190, 110, 100, 100));
    EXPECT_EQ(stretched->frame(), CGRectMake(0, 0, 480, 320));
}

TEST(ViewGeometryTest, SubclassesSeeEveryFrameChangeAutoresizingIncluded) {
    auto container = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
    auto view = std::make_shared<CountingView>(CGRectMake(10, 10, 50, 50));
    view->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    container->addSubview(view);
    view->setFrame(CGRectMake(0, 0, 60, 60));
    container->setFrame(CGRectMake(0, 0, 140, 100));
    EXPECT_EQ(view->frames,
              (std::vector<CGRect>{CGRectMake(0, 0, 60, 60), CGRectMake(0, 0, 100, 60)}));
}

TEST(ViewGeometryTest, WindowsShowOnTheMainScreenAndViewsDrawAtItsScale) {
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    EXPECT_EQ(&window->screen(), &UIScreen::mainScreen());
    EXPECT_EQ(std::make_shared<UIView>()->layer()->contentsScale(), UIScreen::mainScreen().scale());
}

TEST(ViewTreeTest, SubviewsAndSublayersStayInTheSameOrder) {
    auto parent = std::make_shared<UIView>();
    auto a = std::make_shared<UIView>(), b = std::make_shared<UIView>(),
         c = std::make_shared<UIView>();
    auto ownLayer = CALayer::layer();
    parent->layer()->addSublayer(ownLayer);  // a layer of the view's own, not a subview's
    parent->addSubview(a);
    parent->addSubview(b);
    parent->insertSubview_atIndex(c, 0);
    parent->bringSubviewToFront(c);
    EXPECT_EQ(parent->subviews(), (std::vector<std::shared_ptr<UIView>>{a, b, c}));
    EXPECT_EQ(parent->layer()->sublayers(), (std::vector<std::shared_ptr<CALayer>>{
                                                ownLayer, a->layer(), b->layer(), c->layer()}));

    auto other = std::make_shared<UIView>();
    other->addSubview(b);
    EXPECT_EQ(parent->subviews().size(), 2u)
        << "adding elsewhere takes a view from its old superview";
    EXPECT_EQ(b->superview(), other);
    EXPECT_EQ(b->layer()->superlayer(), other->layer());
    b->removeFromSuperview();
    EXPECT_EQ(b->superview(), nullptr);
    EXPECT_TRUE(other->layer()->sublayers().empty());
}

TEST(ViewTreeTest, WindowMovesReachTheWholeSubtreeThroughTheRuntime) {
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    auto container = std::make_shared<CountingView>();
    auto child = std::make_shared<CountingView>();
    container->addSubview(child);
    EXPECT_EQ(child->superviewMoves, 1);
    EXPECT_TRUE(child->windowMoves.empty()) << "no window yet";

    window->addSubview(container);
    EXPECT_EQ(container->windowMoves, std::vector<bool>{true});
    EXPECT_EQ(child->windowMoves, std::vector<bool>{true});
    EXPECT_EQ(child->window(), window);

    container->removeFromSuperview();
    EXPECT_EQ(child->windowMoves, (std::vector<bool>{true, false}));
}

TEST(ViewLayoutTest, LayoutRunsOnceWhenNeededAndHooksReachEveryInstance) {
    auto view = std::make_shared<CountingView>(CGRectMake(0, 0, 10, 10));
    view->layoutIfNeeded();
    view->setNeedsLayout();
    view->setNeedsLayout();
    view->layoutIfNeeded();
    view->layoutIfNeeded();
    const int before = view->layouts;
    view->setFrame(CGRectMake(0, 0, 20, 20));
    view->layoutIfNeeded();
    EXPECT_EQ(view->layouts, before + 1) << "a size change asks for layout";

    MSHookMessageEx(CountingView::classObject(), "layoutSubviews", hookedLayout, &previousLayout);
    auto another = std::make_shared<CountingView>();
    another->setNeedsLayout();
    another->layoutIfNeeded();
    EXPECT_EQ(hookedLayouts, 1);
    EXPECT_EQ(another->layouts, 1) << "the hook went on to the view's own layout";
}

TEST(ViewDrawingTest, OnlyViewsThatDrawGetABackingStore) {
    auto plain = std::make_shared<UIView>(CGRectMake(0, 0, 4, 4));
    auto drawing = std::make_shared<CountingView>(CGRectMake(0, 0, 4, 4));
    EXPECT_EQ(plain->layer()->backingImage(), nullptr);
    drawing->layer()->setContentsScale(2);
    CGImageRef image = drawing->layer()->backingImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(CGImageGetWidth(image), 8u);
    EXPECT_EQ(image->pixelAt(3, 3), 0xFFFF0000u);
    EXPECT_EQ(drawing->layer()->backingImage(), image) << "kept until marked for redisplay";
    drawing->setNeedsDisplay();
    EXPECT_NE(drawing->layer()->backingImage(), image);
}

TEST(ViewHitTestTest, DeepestTouchableViewWins) {
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    auto panel = std::make_shared<UIView>(CGRectMake(100, 100, 100, 100));
    auto button = std::make_shared<UIView>(CGRectMake(10, 10, 30, 30));
    auto cover = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
    window->addSubview(panel);
    panel->addSubview(button);
    panel->addSubview(cover);

    EXPECT_EQ(window->hitTest_withEvent({120, 120}, nullptr), cover)
        << "the front view takes the touch";
    cover->setUserInteractionEnabled(false);
    EXPECT_EQ(window->hitTest_withEvent({120, 120}, nullptr), button);
    button->setAlpha(std::nan(""));
    EXPECT_EQ(window->hitTest_withEvent({120, 120}, nullptr), panel)
        << "an opacity that is not a number draws nothing and takes no touch";
    button->setAlpha(0.005);
    EXPECT_EQ(window->hitTest_withEvent({120, 120}, nullptr), panel);
    panel->setHidden(true);
    EXPECT_EQ(window->hitTest_withEvent({120, 120}, nullptr), window);
    EXPECT_EQ(window->hitTest_withEvent({400, 120}, nullptr), nullptr);
}

TEST(ViewHitTestTest, PointsConvertThroughTransformsBothWays) {
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    auto rotated = std::make_shared<UIView>(CGRectMake(100, 100, 100, 50));
    rotated->setTransform(CGAffineTransformMakeRotation(std::numbers::pi / 2));
    auto inner = std::make_shared<UIView>(CGRectMake(10, 5, 20, 20));
    window->addSubview(rotated);
    rotated->addSubview(inner);

    const CGPoint inWindow = inner->convertPoint_toView({0, 0}, nullptr);
    EXPECT_NEAR(inWindow.x, 170,
                1e-9);  // centre (150, 125); local (10 - 50, 5 - 25) turned a quarter
    EXPECT_NEAR(inWindow.y, 85, 1e-9);
    const CGPoint back = inner->convertPoint_fromView(inWindow, window.get());
    EXPECT_NEAR(back.x, 0, 1e-9);
    EXPECT_NEAR(back.y, 0, 1e-9);
    EXPECT_EQ(window->hitTest_withEvent({165, 95}, nullptr), inner);
}
