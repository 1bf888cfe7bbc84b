#pragma once

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/foundation/KeyValueObservable.h"
#include "platform/ui/views/UIView.h"

class UIColor;

// Determinate progress as a pie filling clockwise from twelve o'clock inside a faint disc, or
// as a ring stroked over a faint full ring. Redraws itself when one of its properties changes.
// Main thread only.
class RoundProgressView : public UIView, public KeyValueObservable {
    RUNTIME_CLASS(RoundProgressView)
    // 37 × 37 at the origin.
    RoundProgressView();
    explicit RoundProgressView(CGRect frame);

    static constexpr std::array<std::string_view, 4> kObservableKeypaths = {
        "progressTintColor", "backgroundTintColor", "progress", "annular"};

    // 0 to 1.
    float progress() const { return progress_; }
    void setProgress(float progress);
    const std::shared_ptr<UIColor>& progressTintColor() const { return progressTintColor_; }
    void setProgressTintColor(std::shared_ptr<UIColor> color);
    const std::shared_ptr<UIColor>& backgroundTintColor() const { return backgroundTintColor_; }
    void setBackgroundTintColor(std::shared_ptr<UIColor> color);
    bool isAnnular() const { return annular_; }
    void setAnnular(bool annular);

    void drawRect(CGRect rect) override;

private:
    void drawRing() const;
    void drawPie() const;

    float progress_ = 0;
    std::shared_ptr<UIColor> progressTintColor_;
    std::shared_ptr<UIColor> backgroundTintColor_;
    bool annular_ = false;
    std::vector<Subscription> observations_;
};
