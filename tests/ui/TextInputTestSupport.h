#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/CGImage.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/touches/TouchDispatcher.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "tests/support/VirtualTimeTest.h"

// Records what text inputs tell their delegate, in order, naming each input by its tag; tests
// put their own marks in between.
class EditingLog : public UITextViewDelegate, public UITextFieldDelegate {
public:
    void textViewDidBeginEditing(UITextView* view) override {
        record(*view, "begins");
        if (onBegin) onBegin(view);
    }
    void textViewDidEndEditing(UITextView* view) override {
        record(*view, view->isEditing() ? "ends while still editing" : "ends");
    }
    void textViewDidChange(UITextView* view) override { record(*view, "is " + view->text()); }
    void textFieldDidBeginEditing(UITextField* field) override { record(*field, "begins"); }
    void textFieldDidEndEditing(UITextField* field) override { record(*field, "ends"); }
    bool textFieldShouldReturn(UITextField* field) override {
        record(*field, "returns with " + field->text());
        if (resignOnReturn) field->resignFirstResponder();
        return true;
    }

    std::vector<std::string> events;
    std::function<void(UITextView*)> onBegin;
    bool resignOnReturn = false;

private:
    void record(const UIView& input, const std::string& what) {
        events.push_back(std::to_string(input.tag()) + " " + what);
    }
};

// The well-covered pixels of a drawing, by their shade: dark (text) or grey (placeholders), and
// how many pixels carry any ink at all.
struct Ink {
    size_t dark = 0, grey = 0, any = 0;
};

inline Ink inkOf(const CGImageRef& image) {
    Ink ink;
    for (size_t y = 0; y < image->height(); ++y) {
        for (size_t x = 0; x < image->width(); ++x) {
            const uint32_t pixel = image->pixelAt(x, y);
            const uint32_t alpha = pixel >> 24;
            if (alpha > 0) ++ink.any;
            if (alpha < 192) continue;
            const uint32_t red = ((pixel >> 16) & 0xff) * 255 / alpha;
            if (red < 80) ++ink.dark;
            if (red > 140 && red < 215) ++ink.grey;
        }
    }
    return ink;
}

// A test with a window on a 320 × 480 phone screen at scale 2, a finger, and virtual time.
// Whatever is still editing at the end resigns, so the keyboard never outlives a test.
class TextInputTest : public VirtualTimeTest {
protected:
    TextInputTest() : window_(std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480))) {
        UIScreen::mainScreen().configure({320, 480}, 2);
        window_->makeKeyAndVisible();
    }
    ~TextInputTest() override {
        if (auto responder = UIResponder::currentFirstResponder())
            responder->resignFirstResponder();
        UIApplication::sharedApplication().removeWindow(window_.get());
    }

    // A quick tap at a screen point.
    void tap(CGPoint point) {
        finger_.fingerDown(point);
        advance(0.05);
        finger_.fingerUp(point);
        endTurn();
    }

    // A view's drawing, at two pixels a point.
    static CGImageRef drawingOf(UIView& view) {
        view.layer()->setContentsScale(2);
        return view.layer()->backingImage();
    }

    std::shared_ptr<UIWindow> window_;
    TouchDispatcher finger_;
};
