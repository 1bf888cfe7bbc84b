#pragma once

#include <string>

#include "platform/ui/views/UIView.h"

// The sample scene's caption: one line of text centred in the view, set with the typesetter in
// the bold system font, over a clear background.
class SampleCaptionView : public UIView {
    RUNTIME_CLASS(SampleCaptionView)
    using UIView::UIView;

    const std::string& text() const { return text_; }
    void setText(std::string text);

    void drawRect(CGRect rect) override;

private:
    std::string text_;
};
