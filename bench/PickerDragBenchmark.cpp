// A finger dragging across a 300-point colour wheel at 60 Hz on a 2× iPhone 5 screen, the loupe
// up: each step is one touch move and the frame it causes (640×1136, wheel, sliders, loupe
// redrawn). The baseline is the same frame drawn again with no touch. CPU time of the main
// thread per step, as median and 99th percentile over the run, in milliseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <memory>
#include <numbers>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/layers/Compositor.h"
#include "platform/ui/touches/TouchDispatcher.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "prefs/colorpicker/BrightnessSlider.h"
#include "prefs/colorpicker/ColorPickerView.h"

namespace {

constexpr CGSize kScreen{320, 568};
constexpr CGFloat kScale = 2;
constexpr CGRect kWheelFrame{{10, 60}, {300, 300}};

double threadCPUSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A settings-like screen with a wheel and its slider, on virtual time.
class PickerScreen {
public:
    PickerScreen()
        : compositor_(static_cast<size_t>(kScreen.width * kScale),
                      static_cast<size_t>(kScreen.height * kScale), kScale) {
        Clock::setCurrent(clock_);
        UIScreen::mainScreen().configure(kScreen, kScale);
        window_->setBackgroundColor(UIColor::colorWithWhite_alpha(0.94, 1));
        window_->makeKeyAndVisible();
        window_->addSubview(wheel_);
        auto slider = BrightnessSlider::initWithFrame(CGRectMake(10, 380, 300, 30));
        slider->setColorPicker(wheel_);
        window_->addSubview(slider);
        frame();
    }
    ~PickerScreen() {
        finger_.fingerCancelled();
        UIApplication::sharedApplication().removeWindow(window_.get());
        Clock::setCurrent(std::make_shared<RealClock>());
    }

    // Lets a sixtieth of a second pass and draws what it changed.
    void frame() {
        NSRunLoop::mainRunLoop().runUntilDate(clock_->now() + 1.0 / 60);
        compositor_.renderFrame({window_->layer()});
    }
    // The same frame again, as if something off the wheel had changed.
    void redraw() {
        window_->layer()->setNeedsDisplay();
        frame();
    }
    // A point of a circle of 100 points about the wheel's centre, on the screen.
    static CGPoint onCircle(int step) {
        const double angle = step * 2 * std::numbers::pi / 120;
        return {CGRectGetMidX(kWheelFrame) + 100 * std::cos(angle),
                CGRectGetMidY(kWheelFrame) + 100 * std::sin(angle)};
    }

    TouchDispatcher finger_;

private:
    std::shared_ptr<VirtualClock> clock_ = std::make_shared<VirtualClock>();
    std::shared_ptr<UIWindow> window_ = std::make_shared<UIWindow>(CGRect{{0, 0}, kScreen});
    std::shared_ptr<ColorPickerView> wheel_ = std::make_shared<ColorPickerView>(kWheelFrame);
    Compositor compositor_;
};

template <class Step>
void measureSteps(benchmark::State& state, Step step) {
    std::vector<double> milliseconds;
    for (auto _ : state) {
        const double start = threadCPUSeconds();
        step();
        milliseconds.push_back((threadCPUSeconds() - start) * 1e3);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const auto at = [&](double fraction) {
        return milliseconds[static_cast<size_t>(fraction * (milliseconds.size() - 1))];
    };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
}

void BM_DragStepWithLoupe(benchmark::State& state) {
    PickerScreen screen;
    screen.finger_.fingerDown(PickerScreen::onCircle(0));
    for (int i = 0; i < 30; ++i) screen.frame();  // the loupe has grown
    int step = 0;
    measureSteps(state, [&] {
        screen.finger_.fingerMoved(PickerScreen::onCircle(++step));
        screen.frame();
    });
}

void BM_FrameWithoutTouchBaseline(benchmark::State& state) {
    PickerScreen screen;
    measureSteps(state, [&] { screen.redraw(); });
}

}  // namespace

BENCHMARK(BM_DragStepWithLoupe)->Iterations(600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameWithoutTouchBaseline)->Iterations(600)->Unit(benchmark::kMillisecond);
