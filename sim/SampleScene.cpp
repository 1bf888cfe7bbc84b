#include "sim/SampleScene.h"

#include <algorithm>

#include "platform/foundation/NSTimer.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "sim/SampleCaptionView.h"
#include "sim/SampleGradientView.h"
#include "sim/ViewTextRegistry.h"

namespace {

constexpr double kFirstStepDelay = 0.5;
constexpr double kStepInterval = 1.5;
constexpr double kMoveDuration = 1.0;
constexpr double kFlipDuration = 0.8;
// A lively spring that still settles well within its duration.
constexpr double kSpringDamping = 0.55;
constexpr double kSpringVelocity = 0.3;

constexpr CGFloat kPanelMaximumWidth = 300;
constexpr CGFloat kPanelMargin = 24;
constexpr CGFloat kPanelHeight = 96;
constexpr CGFloat kCaptionInset = 16;
// Where the panel rests, as fractions of the screen's height.
constexpr CGFloat kUpperRest = 0.36;
constexpr CGFloat kLowerRest = 0.6;

constexpr char kFrontText[] = "Hello from Plakko";
constexpr char kBackText[] = "Drawn by our own stack";

}  // namespace

std::shared_ptr<SampleScene> SampleScene::show() {
    ViewTextRegistry::add(SampleCaptionView::classObject(), [](const UIView& view) {
        return static_cast<const SampleCaptionView&>(view).text();
    });
    std::shared_ptr<SampleScene> scene(new SampleScene());
    scene->scheduleStep(kFirstStepDelay);
    return scene;
}

SampleScene::SampleScene() {
    const CGRect screen = UIScreen::mainScreen().bounds();
    window_ = std::make_shared<UIWindow>(screen);
    window_->addSubview(std::make_shared<SampleGradientView>(screen));

    upperCenter_ = {CGRectGetMidX(screen), screen.size.height * kUpperRest};
    lowerCenter_ = {CGRectGetMidX(screen), screen.size.height * kLowerRest};
    const CGFloat width = std::min(kPanelMaximumWidth, screen.size.width - 2 * kPanelMargin);
    panel_ = std::make_shared<UIView>(CGRectMake(0, 0, width, kPanelHeight));
    panel_->setCenter(upperCenter_);
    panel_->setBackgroundColor(UIColor::colorWithRed_green_blue_alpha(1.0, 0.92, 0.55, 0.88));
    const auto& layer = panel_->layer();
    layer->setCornerRadius(16);
    layer->setShadowColor(UIColor::blackColor()->CGColor());
    layer->setShadowOpacity(0.45f);
    layer->setShadowRadius(10);
    layer->setShadowOffset({0, 6});

    caption_ = std::make_shared<SampleCaptionView>(
        CGRectInset(panel_->bounds(), kCaptionInset, kCaptionInset));
    caption_->setText(kFrontText);
    panel_->addSubview(caption_);
    window_->addSubview(panel_);
    window_->makeKeyAndVisible();
}

SampleScene::~SampleScene() {
    if (timer_) timer_->invalidate();
    UIApplication::sharedApplication().removeWindow(window_.get());
}

void SampleScene::scheduleStep(double delay) {
    std::weak_ptr<SampleScene> weakScene = weak_from_this();
    timer_ = NSTimer::scheduledTimerWithTimeInterval(delay, [weakScene](NSTimer&) {
        if (auto scene = weakScene.lock()) scene->runStep();
    });
}

void SampleScene::runStep() {
    switch (step_++ % 4) {
        case 0:
            moveTo(lowerCenter_);
            break;
        case 1:
            flip(UIViewAnimationTransitionFlipFromLeft);
            break;
        case 2:
            moveTo(upperCenter_);
            break;
        default:
            flip(UIViewAnimationTransitionFlipFromRight);
            break;
    }
    scheduleStep(kStepInterval);
}

void SampleScene::moveTo(CGPoint center) {
    UIView::
        animateWithDuration_delay_usingSpringWithDamping_initialSpringVelocity_options_animations_completion(
            kMoveDuration, 0, kSpringDamping, kSpringVelocity, 0,
            [&] { panel_->setCenter(center); }, nullptr);
}

void SampleScene::flip(int transition) {
    UIView::beginAnimations_context("flip", nullptr);
    UIView::setAnimationDuration(kFlipDuration);
    UIView::setAnimationTransition_forView_cache(transition, panel_, true);
    caption_->setText(caption_->text() == kFrontText ? kBackText : kFrontText);
    UIView::commitAnimations();
}
