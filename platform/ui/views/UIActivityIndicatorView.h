#pragma once

#include <memory>

#include "platform/ui/views/UIView.h"

class RepeatingTimer;

// The platform's styles, with its values.
enum UIActivityIndicatorViewStyle : int {
    UIActivityIndicatorViewStyleWhiteLarge = 0,
    UIActivityIndicatorViewStyleWhite = 1,
    UIActivityIndicatorViewStyleGray = 2,
};

// A spinner showing that work is under way: twelve spokes around a centre, the brightest one
// stepping clockwise a spoke at a time (one turn a second) while it animates, the ones behind it
// fading. It is sized by its style (37 points for the large style, 20 for the others) and
// hidden while stopped unless told otherwise. The stepping runs on the main run loop's clock.
class UIActivityIndicatorView : public UIView {
    RUNTIME_CLASS(UIActivityIndicatorView)
    UIActivityIndicatorView() : UIActivityIndicatorView(UIActivityIndicatorViewStyleWhite) {}
    explicit UIActivityIndicatorView(UIActivityIndicatorViewStyle style);
    ~UIActivityIndicatorView() override;

    static constexpr int kSpokeCount = 12;
    static constexpr double kStepInterval = 1.0 / kSpokeCount;

    UIActivityIndicatorViewStyle activityIndicatorViewStyle() const { return style_; }

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return stepper_ != nullptr; }
    bool hidesWhenStopped() const { return hidesWhenStopped_; }
    void setHidesWhenStopped(bool hides);

    CGSize sizeThatFits(CGSize) const override;
    void drawRect(CGRect rect) override;

private:
    void step();

    const UIActivityIndicatorViewStyle style_;
    bool hidesWhenStopped_ = true;
    // The spoke drawn brightest, counted clockwise from twelve o'clock.
    int leadingSpoke_ = 0;
    std::unique_ptr<RepeatingTimer> stepper_;
};
