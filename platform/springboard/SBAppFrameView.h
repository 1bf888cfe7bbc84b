#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/apps/AppMessage.h"
#include "platform/ui/views/UIView.h"

class SBApplication;

// An app's screen inside SpringBoard: its latest frame as the layer's contents, the size of the
// screen. The fingers that land on it and the text typed while it is first responder go to the
// app. When the app fails on the way, `failed` is told why. Holds its app without owning it.
class SBAppFrameView : public UIView {
    RUNTIME_CLASS(SBAppFrameView)
    using Failed = std::function<void(const std::string& reason)>;

    static std::shared_ptr<SBAppFrameView> make(CGRect frame,
                                                const std::shared_ptr<SBApplication>& app,
                                                Failed failed);
    using UIView::UIView;

    std::shared_ptr<SBApplication> application() const { return app_.lock(); }
    // Brings the app to SpringBoard's time and shows its frame.
    void update();
    // Shows the app's latest frame.
    void showFrame();

    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;
    bool canBecomeFirstResponder() const override { return true; }
    bool hasText() const override { return true; }
    void insertText(const std::string& text) override;
    void deleteBackward() override;

private:
    // Sends a request the app answers with its screen; a failure goes to `failed_`.
    void ask(const std::function<bool(SBApplication&)>& request);
    void sendFingers(const UITouchSet& touches, AppMessageKind phase);

    std::weak_ptr<SBApplication> app_;
    Failed failed_;
    // The fingers on this view, numbered as the app tells them apart.
    std::map<const UITouch*, int> fingers_;
    int nextFinger_ = 0;
};
