#include "platform/springboard/SBAppSwitcher.h"

#include <stdexcept>

#include "platform/apps/AppProcess.h"
#include "platform/foundation/SystemLog.h"
#include "platform/springboard/SBAppFrameView.h"
#include "platform/springboard/SBApplication.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"

namespace {

// Above the home screen, below the lock screen.
constexpr double kAppWindowLevel = 1;

// The transform that shrinks a screen-sized view onto `icon`.
CGAffineTransform iconTransform(CGRect icon) {
    const CGRect screen = UIScreen::mainScreen().bounds();
    const CGFloat scale = icon.size.width / screen.size.width;
    const CGAffineTransform toIcon = CGAffineTransformMakeTranslation(
        CGRectGetMidX(icon) - CGRectGetMidX(screen), CGRectGetMidY(icon) - CGRectGetMidY(screen));
    return CGAffineTransformConcat(CGAffineTransformMakeScale(scale, scale), toIcon);
}

}  // namespace

SBAppSwitcher::SBAppSwitcher()
    : window_(std::make_shared<UIWindow>(UIScreen::mainScreen().bounds())) {
    window_->setWindowLevel(kAppWindowLevel);
}

SBAppSwitcher::~SBAppSwitcher() = default;

std::shared_ptr<SBApplication> SBAppSwitcher::application(const std::string& name) {
    auto& app = apps_[name];
    if (!app) app = std::make_shared<SBApplication>(name);
    return app;
}

void SBAppSwitcher::open(const std::string& name, CGRect icon) {
    if (front_) return;
    auto app = application(name);
    try {
        if (!app->isRunning() || !bringBack(*app)) {
            const auto command = command_ ? command_(name) : std::vector<std::string>{};
            if (command.empty()) {
                NSLog(name + " is not part of this device");
                return;
            }
            app->launch(command);
        }
    } catch (const std::exception& failure) {
        NSLog("can't open " + name + ": " + failure.what());
        app->terminate();
        return;
    }
    show(app, icon);
}

bool SBAppSwitcher::bringBack(SBApplication& app) {
    try {
        app.enterForeground();
        return true;
    } catch (const AppProcess::Failed& failure) {
        NSLog(app.name() + " " + failure.what() + " in the background; starting it again");
        return false;
    }
}

void SBAppSwitcher::show(const std::shared_ptr<SBApplication>& app, CGRect icon) {
    std::weak_ptr<SBApplication> weakApp = app;
    front_ = SBAppFrameView::make(window_->bounds(), app, [this, weakApp](const std::string& why) {
        if (auto failing = weakApp.lock()) failed(failing, why);
    });
    frontIcon_ = icon;
    front_->setTransform(iconTransform(icon));
    front_->setAlpha(0);
    window_->addSubview(front_);
    window_->setUserInteractionEnabled(true);
    UIApplication::sharedApplication().addWindow(window_);
    auto view = front_;
    UIView::animateWithDuration_animations(kZoomDuration, [&] {
        view->setTransform(CGAffineTransformIdentity);
        view->setAlpha(1);
    });
    front_->becomeFirstResponder();
}

void SBAppSwitcher::goHome() {
    if (!front_) return;
    auto leaving = takeFront();
    leaving->resignFirstResponder();
    // The home screen takes the fingers while the app zooms away.
    window_->setUserInteractionEnabled(false);
    if (auto app = leaving->application()) {
        try {
            app->enterBackground();
        } catch (const AppProcess::Failed& failure) {
            failed(app, failure.what());
            takeAway(leaving);
            return;
        }
    }
    UIView::animateWithDuration_animations_completion(
        kZoomDuration,
        [&] {
            leaving->setTransform(iconTransform(frontIcon_));
            leaving->setAlpha(0);
        },
        [this, leaving](bool) { takeAway(leaving); });
}

std::shared_ptr<SBApplication> SBAppSwitcher::frontApplication() const {
    return front_ ? front_->application() : nullptr;
}

bool SBAppSwitcher::askFrontApplication(const std::function<void(SBApplication&)>& request) {
    auto app = frontApplication();
    if (!app) return false;
    try {
        request(*app);
    } catch (const AppProcess::Failed& failure) {
        failed(app, failure.what());
        throw std::runtime_error(app->name() + " " + failure.what());
    }
    if (auto view = front_) view->showFrame();
    return true;
}

void SBAppSwitcher::update() {
    // Held here: a failing app takes its view off the screen on the way.
    if (auto view = front_) view->update();
}

void SBAppSwitcher::setTakesTyping(bool takes) {
    if (!front_) return;
    if (takes) {
        front_->becomeFirstResponder();
    } else {
        front_->resignFirstResponder();
    }
}

void SBAppSwitcher::failed(const std::shared_ptr<SBApplication>& app, const std::string& reason) {
    NSLog(app->name() + " " + reason + "; back to the home screen");
    app->terminate();
    if (front_ && front_->application() == app) takeAway(takeFront());
}

std::shared_ptr<SBAppFrameView> SBAppSwitcher::takeFront() {
    auto view = std::move(front_);
    front_ = nullptr;
    return view;
}

void SBAppSwitcher::takeAway(const std::shared_ptr<SBAppFrameView>& view) {
    view->resignFirstResponder();
    view->removeFromSuperview();
    // An empty window on the screen would still take the fingers meant for the home screen.
    if (window_->subviews().empty()) UIApplication::sharedApplication().removeWindow(window_.get());
}

void SBAppSwitcher::endApplications() {
    if (front_) takeAway(takeFront());
    for (auto& [name, app] : apps_) app->terminate();
}
