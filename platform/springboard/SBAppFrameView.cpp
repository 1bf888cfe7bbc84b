#include "platform/springboard/SBAppFrameView.h"

#include "platform/apps/AppProcess.h"
#include "platform/runtime/Runtime.h"
#include "platform/springboard/SBApplication.h"
#include "platform/ui/views/UIScreen.h"

Class SBAppFrameView::classObject() {
    static const Class cls = defineClass<SBAppFrameView>("SBAppFrameView", UIView::classObject());
    return cls;
}

std::shared_ptr<SBAppFrameView> SBAppFrameView::make(CGRect frame,
                                                     const std::shared_ptr<SBApplication>& app,
                                                     Failed failed) {
    auto view = std::make_shared<SBAppFrameView>(frame);
    view->app_ = app;
    view->failed_ = std::move(failed);
    view->layer()->setContentsScale(UIScreen::mainScreen().scale());
    view->showFrame();
    return view;
}

void SBAppFrameView::showFrame() {
    if (auto app = app_.lock()) layer()->setContents(app->frame());
}

void SBAppFrameView::ask(const std::function<bool(SBApplication&)>& request) {
    auto app = app_.lock();
    if (!app || !app->isRunning()) return;
    try {
        if (request(*app)) showFrame();
    } catch (const AppProcess::Failed& failure) {
        failed_(failure.what());
    }
}

void SBAppFrameView::update() {
    ask([](SBApplication& app) { return app.advance(); });
}

void SBAppFrameView::sendFingers(const UITouchSet& touches, AppMessageKind phase) {
    for (const auto& touch : touches) {
        auto [known, added] = fingers_.try_emplace(touch.get(), nextFinger_);
        if (added) ++nextFinger_;
        const int finger = known->second;
        const CGPoint point = touch->locationInView(this);
        if (phase == AppMessageKind::FingerUp || phase == AppMessageKind::FingerCancelled) {
            fingers_.erase(known);
        }
        ask([&](SBApplication& app) { return app.finger(phase, finger, point); });
    }
}

void SBAppFrameView::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    sendFingers(touches, AppMessageKind::FingerDown);
}

void SBAppFrameView::touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) {
    sendFingers(touches, AppMessageKind::FingerMoved);
}

void SBAppFrameView::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    sendFingers(touches, AppMessageKind::FingerUp);
}

void SBAppFrameView::touchesCancelled_withEvent(const UITouchSet& touches, UIEvent*) {
    sendFingers(touches, AppMessageKind::FingerCancelled);
}

void SBAppFrameView::insertText(const std::string& text) {
    ask([&](SBApplication& app) { return app.type(AppMessageKind::Text, text); });
}

void SBAppFrameView::deleteBackward() {
    ask([](SBApplication& app) { return app.type(AppMessageKind::Backspace); });
}
