#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/settings/PSTableCell.h"

class UISegmentedControl;

// A row with a segmented control: one segment per entry of the row's "validValues", titled by
// its "validTitles" entry. The segment of the stored value is selected (the pane gives the
// row's "default" when nothing fitting is stored); choosing a segment stores its value, of the
// kind it has in "validValues", under the row's key. Lists that are missing, of unequal lengths
// or hold entries of the wrong kind are logged in one line; the row shows what can be made of
// them (titles fall back to the values as text, values that can't be stored are left out).
//
// Ownership: the cell owns its segmented control (in its content view), which sends its changes
// back to the cell.
class PSSegmentTableCell : public PSTableCell {
    RUNTIME_CLASS(PSSegmentTableCell)
    PSSegmentTableCell();

    void refreshCellContentsWithSpecifier(const PSSpecifier& specifier) override;
    void setValue(const std::optional<PlistValue>& value) override;
    void setCellEnabled(bool enabled) override;
    void layoutSubviews() override;

    const std::shared_ptr<UISegmentedControl>& control() const { return control_; }

private:
    void segmentChanged();

    std::shared_ptr<UISegmentedControl> control_;
    // The value of each segment, in order.
    std::vector<PlistValue> values_;
};
