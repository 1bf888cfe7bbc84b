#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/Runtime.h"
#include "platform/ui/touches/TouchDispatcher.h"
#include "platform/ui/touches/UIGestureRecognizer.h"
#include "platform/ui/touches/UIPanGestureRecognizer.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIWindow.h"
#include "tests/support/VirtualTimeTest.h"

// A view that writes down the touch methods it receives: "began", "moved", "ended",
// "cancelled".
class RecordingView : public UIView {
    RUNTIME_CLASS(RecordingView)
    using UIView::UIView;

    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) override {
        record("began", touches);
    }
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) override {
        record("moved", touches);
    }
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) override {
        record("ended", touches);
    }
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent*) override {
        record("cancelled", touches);
    }

    std::vector<std::string> calls;
    std::shared_ptr<UITouch> lastTouch;

private:
    void record(const char* call, const UITouchSet& touches) {
        calls.emplace_back(call);
        lastTouch = touches.front();
    }
};

inline Class RecordingView::classObject() {
    static const Class cls = defineClass<RecordingView>("RecordingView", UIView::classObject());
    return cls;
}

// The target of every recogniser in the tests. Its actions are registered with the runtime; each
// writes down its selector and the recogniser's state. "dragView:" moves the recogniser's view
// by the pan's translation and starts the translation again from zero, as a draggable view does.
class GestureTarget : public NSObject {
    RUNTIME_CLASS(GestureTarget)
    struct Call {
        std::string action;
        UIGestureRecognizerState state;
    };

    int count(const std::string& action) const {
        return static_cast<int>(std::count_if(
            calls.begin(), calls.end(), [&](const Call& call) { return call.action == action; }));
    }
    std::vector<UIGestureRecognizerState> states(const std::string& action) const {
        std::vector<UIGestureRecognizerState> result;
        for (const Call& call : calls)
            if (call.action == action) result.push_back(call.state);
        return result;
    }

    std::vector<Call> calls;
};

inline Class GestureTarget::classObject() {
    static const Class cls = defineClass<
        GestureTarget>("GestureTarget", NSObject::classObject(), [](RuntimeClass& c) {
        auto record = +[](id self, SEL action, UIGestureRecognizer* recognizer) {
            static_cast<GestureTarget*>(self)->calls.push_back({action, recognizer->state()});
        };
        for (SEL action :
             {"detectTap:", "handleHold:", "handlePan:", "handleOuterPan:", "handleTap:"})
            c.addMethod(action, record);
        c.addMethod(
            "dragView:", +[](id self, SEL action, UIGestureRecognizer* recognizer) {
                static_cast<GestureTarget*>(self)->calls.push_back({action, recognizer->state()});
                auto& pan = static_cast<UIPanGestureRecognizer&>(*recognizer);
                const auto view = pan.view();
                const CGPoint translation = pan.translationInView(view.get());
                const CGPoint center = view->center();
                view->setCenter({center.x + translation.x, center.y + translation.y});
                pan.setTranslation_inView(CGPointZero, view.get());
            });
    });
    return cls;
}

// A visible 320 by 480 window and a finger on virtual time.
class TouchTest : public VirtualTimeTest {
protected:
    TouchTest() { window_->makeKeyAndVisible(); }
    ~TouchTest() override { UIApplication::sharedApplication().removeWindow(window_.get()); }

    std::shared_ptr<RecordingView> addView(CGRect frame,
                                           const std::shared_ptr<UIView>& superview = nullptr) {
        auto view = std::make_shared<RecordingView>(frame);
        (superview ? superview : window_)->addSubview(view);
        return view;
    }

    template <class Recognizer>
    std::shared_ptr<Recognizer> attach(const std::shared_ptr<UIView>& view, SEL action) {
        auto recognizer = std::make_shared<Recognizer>(target_, action);
        view->addGestureRecognizer(recognizer);
        return recognizer;
    }

    void tap(CGPoint point, double duration = 0.05) {
        finger_.fingerDown(point);
        advance(duration);
        finger_.fingerUp(point);
    }

    // Down at `from`, then `steps` equal moves over `seconds`, then up at `to`.
    void drag(CGPoint from, CGPoint to, int steps = 10, double seconds = 0.3) {
        finger_.fingerDown(from);
        for (int step = 1; step <= steps; ++step) {
            advance(seconds / steps);
            const double t = static_cast<double>(step) / steps;
            finger_.fingerMoved({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
        }
        finger_.fingerUp(to);
    }

    std::shared_ptr<UIWindow> window_ = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    std::shared_ptr<GestureTarget> target_ = std::make_shared<GestureTarget>();
    // Declared last, so the fingers still down are cancelled while the views exist.
    TouchDispatcher finger_;
};
