#pragma once

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/foundation/KeyValueObservable.h"
#include "platform/ui/views/UIView.h"

class UIColor;

// Determinate progress as a horizontal capsule outlined and filled from the left; the fill keeps
// the capsule's rounded ends. Redraws itself when one of its properties changes. Main thread only.
class BarProgressView : public UIView, public KeyValueObservable {
    RUNTIME_CLASS(BarProgressView)
    // 120 × 20 at the origin.
    BarProgressView();
    explicit BarProgressView(CGRect frame);

    static constexpr std::array<std::string_view, 4> kObservableKeypaths = {
        "lineColor", "progressRemainingColor", "progressColor", "progress"};

    // 0 to 1.
    float progress() const { return progress_; }
    void setProgress(float progress);
    const std::shared_ptr<UIColor>& lineColor() const { return lineColor_; }
    void setLineColor(std::shared_ptr<UIColor> color);
    const std::shared_ptr<UIColor>& progressRemainingColor() const {
        return progressRemainingColor_;
    }
    void setProgressRemainingColor(std::shared_ptr<UIColor> color);
    const std::shared_ptr<UIColor>& progressColor() const { return progressColor_; }
    void setProgressColor(std::shared_ptr<UIColor> color);

    // Uses only the size of `rect`.
    void drawRect(CGRect rect) override;

private:
    void drawOutline(const CGContextRef& context, CGSize size) const;
    void drawFill(const CGContextRef& context, CGSize size) const;

    float progress_ = 0;
    std::shared_ptr<UIColor> lineColor_;
    std::shared_ptr<UIColor> progressRemainingColor_;
    std::shared_ptr<UIColor> progressColor_;
    std::vector<Subscription> observations_;
};
