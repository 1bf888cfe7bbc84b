#pragma once

#include "platform/ui/views/UIView.h"

// The older grouped tables' background: thin light vertical stripes on blue-grey.
class PinstripeView : public UIView {
    RUNTIME_CLASS(PinstripeView)
    PinstripeView();

    void drawRect(CGRect rect) override;
};
