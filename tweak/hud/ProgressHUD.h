#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/KeyValueObservable.h"
#include "platform/ui/views/UIView.h"
#include "tweak/hud/AtomicProperty.h"

class DispatchQueue;
class NSTimer;
class ProgressHUDDelegate;
class UIColor;
class UIFont;
class UILabel;
class UIWindow;

enum ProgressHUDMode : std::int32_t {
    ProgressHUDModeIndeterminate = 0,  // the platform's large white spinner
    ProgressHUDModePie = 1,            // a RoundProgressView
    ProgressHUDModeBar = 2,            // a BarProgressView
    ProgressHUDModeAnnular = 3,        // a RoundProgressView drawn as a ring
    ProgressHUDModeCustomView = 4,     // the view in customView
    ProgressHUDModeText = 5,           // labels only
};

enum ProgressHUDAnimation : std::int32_t {
    ProgressHUDAnimationFade = 0,
    ProgressHUDAnimationShrink = 1,  // shows from 1.5 times its size, hides to half
    ProgressHUDAnimationGrow = 2,    // shows from half its size, hides to 1.5 times
};

// A heads-up overlay: a translucent rounded box centred over the view it is added to, holding an
// indicator and up to two lines of text. It is shown and hidden with an animation, after a grace
// time and for at least a minimum time, optionally while a task runs on another thread.
//
// Ownership: the view the HUD is added to owns it; the HUD owns its labels, its indicator, its
// custom view, its timers and, while a selector task runs, the task's target and argument. The
// delegate is not owned.
//
// Threads: everything runs on the main thread, except that a task may set any property from its
// own thread. Object- and size-valued properties sit behind a lock each, the others are atomic;
// changes that affect the display are carried over to the main thread.
//
// The HUD observes its own display properties and the device's orientation for its whole life.
// Operations that the platform sends by name (timers, delayed performs, animation ends, the task
// thread and the main thread's queue) are registered with the runtime under their selectors.
class ProgressHUD : public UIView, public KeyValueObservable {
    RUNTIME_CLASS(ProgressHUD)
    static std::shared_ptr<ProgressHUD> initWithFrame(CGRect frame);
    // Takes the view's bounds as its frame. A null view is a caller error.
    static std::shared_ptr<ProgressHUD> initWithView(const std::shared_ptr<UIView>& view);
    static std::shared_ptr<ProgressHUD> initWithWindow(const std::shared_ptr<UIWindow>& window);

    // Class operations; a view's HUDs are those of its subviews that are ProgressHUDs.
    // Adds a new HUD as the view's topmost subview and shows it; the view owns it.
    static std::shared_ptr<ProgressHUD> showHUDAddedTo_animated(const std::shared_ptr<UIView>& view,
                                                                bool animated);
    // Hides the topmost HUD and removes it once hidden; false when there is none.
    static bool hideHUDForView_animated(const std::shared_ptr<UIView>& view, bool animated);
    // Hides every HUD and removes each once hidden; gives how many there were.
    static std::size_t hideAllHUDsForView_animated(const std::shared_ptr<UIView>& view,
                                                   bool animated);
    // The topmost HUD.
    static std::shared_ptr<ProgressHUD> HUDForView(const std::shared_ptr<UIView>& view);
    // Bottom to top.
    static std::vector<std::shared_ptr<ProgressHUD>> allHUDsForView(
        const std::shared_ptr<UIView>& view);

    // The key paths the HUD follows to update its labels, indicator and layout.
    static constexpr std::array<std::string_view, 9> kObservableKeypaths = {
        "mode",       "customView",       "labelText",        "labelFont",
        "labelColor", "detailsLabelText", "detailsLabelFont", "detailsLabelColor",
        "progress"};

    // Showing and hiding.
    void show(bool animated);
    void hide(bool animated);
    void hide_afterDelay(bool animated, double delay);

    // Runs `method` (an operation of `target` taking one object, `void(NSObject*)`) with `object`
    // on a new thread while the HUD is up, then hides the HUD. A target that does not answer the
    // method so is a caller error; a null target runs nothing.
    void showWhileExecuting_onTarget_withObject_animated(SEL method,
                                                         std::shared_ptr<NSObject> target,
                                                         std::shared_ptr<NSObject> object,
                                                         bool animated);
    // Runs `block` on `queue` (the global queue unless given) while the HUD is up, then hides the
    // HUD; `completion` runs once it has been hidden.
    using Block = std::function<void()>;
    void showAnimated_whileExecutingBlock(bool animated, Block block);
    void showAnimated_whileExecutingBlock_completionBlock(bool animated, Block block,
                                                          Block completion);
    void showAnimated_whileExecutingBlock_onQueue(bool animated, Block block, DispatchQueue& queue);
    void showAnimated_whileExecutingBlock_onQueue_completionBlock(bool animated, Block block,
                                                                  DispatchQueue& queue,
                                                                  Block completion);

    // Properties. Setting an observed one (see kObservableKeypaths) updates the display.
    ProgressHUDMode mode() const { return mode_.load(); }
    void setMode(ProgressHUDMode mode);
    ProgressHUDAnimation animationType() const { return animationType_.load(); }
    void setAnimationType(ProgressHUDAnimation type) { animationType_.store(type); }
    std::shared_ptr<UIView> customView() const { return customView_.get(); }
    void setCustomView(std::shared_ptr<UIView> view);
    std::weak_ptr<ProgressHUDDelegate> delegate() const { return delegate_.get(); }
    void setDelegate(std::weak_ptr<ProgressHUDDelegate> delegate) {
        delegate_.set(std::move(delegate));
    }
    std::string labelText() const { return labelText_.get(); }
    void setLabelText(std::string text);
    std::string detailsLabelText() const { return detailsLabelText_.get(); }
    void setDetailsLabelText(std::string text);
    // Alpha of the black box when no colour is set.
    float opacity() const { return opacity_.load(); }
    void setOpacity(float opacity) { opacity_.store(opacity); }
    // The box's fill; overrides opacity.
    std::shared_ptr<UIColor> color() const { return color_.get(); }
    void setColor(std::shared_ptr<UIColor> color) { color_.set(std::move(color)); }
    // The box's shift from the centre, points.
    float xOffset() const { return xOffset_.load(); }
    void setXOffset(float offset) { xOffset_.store(offset); }
    float yOffset() const { return yOffset_.load(); }
    void setYOffset(float offset) { yOffset_.store(offset); }
    // The box's inner padding, points.
    float margin() const { return margin_.load(); }
    void setMargin(float margin) { margin_.store(margin); }
    float cornerRadius() const { return cornerRadius_.load(); }
    void setCornerRadius(float radius) { cornerRadius_.store(radius); }
    // Darkens the host view radially around the box.
    bool dimBackground() const { return dimBackground_.load(); }
    void setDimBackground(bool dim) { dimBackground_.store(dim); }
    // Seconds a task-bound HUD waits before it shows; a task that ends sooner never shows it.
    float graceTime() const { return graceTime_.load(); }
    void setGraceTime(float seconds) { graceTime_.store(seconds); }
    // Seconds the HUD stays up at least once shown.
    float minShowTime() const { return minShowTime_.load(); }
    void setMinShowTime(float seconds) { minShowTime_.store(seconds); }
    bool taskInProgress() const { return taskInProgress_.load(); }
    void setTaskInProgress(bool inProgress) { taskInProgress_.store(inProgress); }
    bool removeFromSuperViewOnHide() const { return removeFromSuperViewOnHide_.load(); }
    void setRemoveFromSuperViewOnHide(bool remove) { removeFromSuperViewOnHide_.store(remove); }
    std::shared_ptr<UIFont> labelFont() const { return labelFont_.get(); }
    void setLabelFont(std::shared_ptr<UIFont> font);
    std::shared_ptr<UIColor> labelColor() const { return labelColor_.get(); }
    void setLabelColor(std::shared_ptr<UIColor> color);
    std::shared_ptr<UIFont> detailsLabelFont() const { return detailsLabelFont_.get(); }
    void setDetailsLabelFont(std::shared_ptr<UIFont> font);
    std::shared_ptr<UIColor> detailsLabelColor() const { return detailsLabelColor_.get(); }
    void setDetailsLabelColor(std::shared_ptr<UIColor> color);
    // 0 to 1, passed on to the indicator.
    float progress() const { return progress_.load(); }
    void setProgress(float progress);
    // The box is never smaller than this.
    CGSize minSize() const { return minSize_.get(); }
    void setMinSize(CGSize size) { minSize_.set(size); }
    // Makes the box square where the square fits.
    bool isSquare() const { return square_.load(); }
    void setSquare(bool square) { square_.store(square); }
    // Runs once when the HUD has been hidden, and is then cleared.
    Block completionBlock() const { return completionBlock_.get(); }
    void setCompletionBlock(Block block) { completionBlock_.set(std::move(block)); }

    // State the HUD keeps for itself, readable like the properties.
    std::shared_ptr<UIView> indicator() const { return indicator_.get(); }
    std::shared_ptr<NSTimer> graceTimer() const { return graceTimer_.get(); }
    std::shared_ptr<NSTimer> minShowTimer() const { return minShowTimer_.get(); }
    // When the HUD was last shown; none while hidden.
    std::optional<NSTimeInterval> showStarted() const { return showStarted_.get(); }
    // The box size from the last layout.
    CGSize size() const { return size_.get(); }

    // Layout and drawing (ProgressHUDDisplay.cpp).
    void layoutSubviews() override;
    void drawRect(CGRect rect) override;
    void didMoveToSuperview() override;

private:
    explicit ProgressHUD(CGRect frame);
    // What needs the HUD to be owned already: its subviews and its observations.
    void finishInit();
    std::shared_ptr<ProgressHUD> self();

    // Showing and hiding over time (ProgressHUDTiming.cpp).
    void handleGraceTimer();
    void handleMinShowTimer();
    void hideDelayed(bool animated);
    void showUsingAnimation(bool animated);
    void hideUsingAnimation(bool animated);
    void animationFinished_finished_context(const std::string& animationID, bool finished,
                                            void* context);
    void done();
    std::shared_ptr<NSTimer> scheduleTimer(double interval, SEL handler);

    // Tasks (ProgressHUDTasks.cpp).
    void launchExecution();
    void cleanUp();

    // The display (ProgressHUDDisplay.cpp).
    void setupLabels();
    void updateIndicators();
    void replaceIndicator(std::shared_ptr<UIView> indicator);
    void registerForKVO();
    void observeValueForKeyPath(std::string_view keyPath);
    void updateUIForKeypath(std::string_view keyPath);
    void registerForNotifications();
    void deviceOrientationDidChange();
    void setTransformForCurrentOrientation(bool animated);

    std::atomic<ProgressHUDMode> mode_{ProgressHUDModeIndeterminate};
    std::atomic<ProgressHUDAnimation> animationType_{ProgressHUDAnimationFade};
    AtomicProperty<std::shared_ptr<UIView>> customView_;
    AtomicProperty<std::weak_ptr<ProgressHUDDelegate>> delegate_;
    AtomicProperty<std::string> labelText_;
    AtomicProperty<std::string> detailsLabelText_;
    std::atomic<float> opacity_{0.8f};
    AtomicProperty<std::shared_ptr<UIColor>> color_;
    std::atomic<float> xOffset_{0};
    std::atomic<float> yOffset_{0};
    std::atomic<float> margin_{20};
    std::atomic<float> cornerRadius_{10};
    std::atomic<bool> dimBackground_{false};
    std::atomic<float> graceTime_{0};
    std::atomic<float> minShowTime_{0};
    std::atomic<bool> taskInProgress_{false};
    std::atomic<bool> removeFromSuperViewOnHide_{false};
    AtomicProperty<std::shared_ptr<UIFont>> labelFont_;
    AtomicProperty<std::shared_ptr<UIColor>> labelColor_;
    AtomicProperty<std::shared_ptr<UIFont>> detailsLabelFont_;
    AtomicProperty<std::shared_ptr<UIColor>> detailsLabelColor_;
    std::atomic<float> progress_{0};
    AtomicProperty<CGSize> minSize_;
    std::atomic<bool> square_{false};
    AtomicProperty<Block> completionBlock_;

    AtomicProperty<std::shared_ptr<UIView>> indicator_;
    AtomicProperty<std::shared_ptr<NSTimer>> graceTimer_;
    AtomicProperty<std::shared_ptr<NSTimer>> minShowTimer_;
    AtomicProperty<std::optional<NSTimeInterval>> showStarted_;
    AtomicProperty<CGSize> size_;

    // The animated flag of the last show or hide, reused when a timer or a task finishes it.
    bool useAnimation_ = false;
    AtomicProperty<std::string> methodForExecution_;
    AtomicProperty<std::shared_ptr<NSObject>> targetForExecution_;
    AtomicProperty<std::shared_ptr<NSObject>> objectForExecution_;
    std::shared_ptr<UILabel> label_;
    std::shared_ptr<UILabel> detailsLabel_;
    CGAffineTransform rotationTransform_ = CGAffineTransformIdentity;
    std::vector<Subscription> observations_;
    Subscription orientationObservation_;
};
