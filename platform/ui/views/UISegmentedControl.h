#pragma once

#include <string>
#include <vector>

#include "platform/ui/views/UIControl.h"

// A row of equal segments, each with a title, of which at most one is selected. A finger lifted
// on a segment other than the selected one selects it and sends the value-changed actions
// (UIControlEventValueChanged); selections made in code send none. Drawn in the device's system
// look, chosen when it is made: from system 7 a flat outline in the tint colour with the selected
// segment filled; before 7 a rounded bordered bar with the selected segment in blue.
//
// Ownership: it draws itself and has no subviews; its targets are not owned.
class UISegmentedControl : public UIControl {
    RUNTIME_CLASS(UISegmentedControl)
    static constexpr long UISegmentedControlNoSegment = -1;

    UISegmentedControl();
    explicit UISegmentedControl(const std::vector<std::string>& items);

    size_t numberOfSegments() const { return titles_.size(); }
    const std::vector<std::string>& titles() const { return titles_; }

    long selectedSegmentIndex() const { return selected_; }
    // An index that doesn't exist selects none.
    void setSelectedSegmentIndex(long index);

    // Its titles side by side in equal segments, at the look's height.
    CGSize sizeThatFits(CGSize size) const override;
    void drawRect(CGRect rect) override;
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;

private:
    // The segment under `point` (in the control's coordinates), or none outside the control.
    long segmentAt(CGPoint point) const;

    const bool classic_;
    std::vector<std::string> titles_;
    long selected_ = UISegmentedControlNoSegment;
    bool tracking_ = false;
};
