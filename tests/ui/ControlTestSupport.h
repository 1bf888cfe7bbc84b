#pragma once

#include <memory>
#include <vector>

#include "platform/runtime/Runtime.h"
#include "platform/ui/Compositor.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIControl.h"
#include "platform/ui/UIWindow.h"
#include "tests/ui/CompositorTestSupport.h"

// Writes down each value-changed action a control sends it ("valueChanged:").
class ValueChangeRecorder : public NSObject {
    RUNTIME_CLASS(ValueChangeRecorder)
    // One entry per action: what `read` said about the sender then.
    std::vector<float> values;
    float (*read)(UIControl*) = [](UIControl*) { return 0.0f; };

    void listenTo(UIControl& control) {
        control.addTarget_action_forControlEvents(
            std::static_pointer_cast<NSObject>(shared_from_this()),
            "valueChanged:", UIControlEventValueChanged);
    }
};

inline Class ValueChangeRecorder::classObject() {
    static const Class cls = defineClass<ValueChangeRecorder>(
        "ValueChangeRecorder", NSObject::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "valueChanged:", +[](id self, SEL, UIControl* sender) {
                    auto& recorder = *static_cast<ValueChangeRecorder*>(self);
                    recorder.values.push_back(recorder.read(sender));
                });
        });
    return cls;
}

// The application's windows as the screen shows them now, read by point: a 320 by 480 screen at
// scale 2.
class ScreenPicture {
public:
    ScreenPicture() : compositor_(640, 960, 2) {
        std::vector<std::shared_ptr<CALayer>> layers;
        for (const auto& window : UIApplication::sharedApplication().windows())
            layers.push_back(window->layer());
        compositor_.renderFrame(layers);
    }

    // The pixel at the top-left of the point.
    Rgb at(CGFloat x, CGFloat y) const {
        const uint32_t p =
            compositor_.pixels()[static_cast<size_t>(y * 2) * 640 + static_cast<size_t>(x * 2)];
        return {static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff),
                static_cast<int>(p & 0xff)};
    }

private:
    Compositor compositor_;
};
