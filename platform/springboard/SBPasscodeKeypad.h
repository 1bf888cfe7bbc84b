#pragma once

#include "platform/ui/views/UIView.h"

// The number pad of the passcode page: twelve round keys (1–9, 0) drawn as rings with digits.
class SBPasscodeKeypad : public UIView {
    RUNTIME_CLASS(SBPasscodeKeypad)
    using UIView::UIView;
    void drawRect(CGRect rect) override;
};

// The four rings that fill as a passcode is typed (none here: the device has no passcode).
class SBPasscodeDots : public UIView {
    RUNTIME_CLASS(SBPasscodeDots)
    using UIView::UIView;
    void drawRect(CGRect rect) override;
};
