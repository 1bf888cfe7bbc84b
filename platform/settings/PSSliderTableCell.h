#pragma once

#include <memory>
#include <string>

#include "platform/settings/PSTableCell.h"

class UILabel;
class UISlider;

// A row with a slider that stores a number under the row's key: "min" and "max" (0 and 1 unless
// given), "isContinuous" (store while the finger moves; true unless given), "showValue" (the value
// in a label at the row's end) and "isSegmented" with "segmentCount" (the value snaps to that many
// equal steps of the range). The row's label, when it has one, stands before the slider.
class PSSliderTableCell : public PSTableCell {
    RUNTIME_CLASS(PSSliderTableCell)
    PSSliderTableCell();

    void initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                       std::string reuseIdentifier) override;
    void refreshCellContentsWithSpecifier(const PSSpecifier& specifier) override;
    void setValue(const std::optional<PlistValue>& value) override;
    void setCellEnabled(bool enabled) override;
    void layoutSubviews() override;

    const std::shared_ptr<UISlider>& control() const { return control_; }
    // What the value label shows for `value`; subclasses show other units.
    virtual std::string textForValue(float value) const;

private:
    void sliderChanged();
    float snapped(float value) const;
    void showValue();

    std::shared_ptr<UISlider> control_;
    std::shared_ptr<UILabel> valueLabel_;
    int segmentCount_ = 0;
};
