#pragma once

#include "platform/ui/views/UIView.h"

// The sample scene's backdrop: a vertical gradient from deep blue to plum, drawn in drawRect:.
class SampleGradientView : public UIView {
    RUNTIME_CLASS(SampleGradientView)
    using UIView::UIView;

    void drawRect(CGRect rect) override;
};
