#pragma once

#include <memory>
#include <string>

#include "platform/settings/PSTableCell.h"

class BrightnessSlider;
class ColorPickerView;
class UIColor;

// The row of a colour pane that holds a colour wheel with its brightness slider under it. The
// wheel starts at its own first selection (white); the pane's save action reads the colour from
// `value`. A finger that lands on the wheel stays the wheel's: the pane's table doesn't scroll
// under it. The two panes' cells differ only in name.
//
// Ownership: the cell owns its wheel and slider (as subviews and as _colorPicker and
// _brightnessSlider); the slider holds the wheel weakly.
class ColorWheelCell : public PSTableCell {
    RUNTIME_CLASS(ColorWheelCell)
    ColorWheelCell();

    void initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                       std::string reuseIdentifier) override;
    void layoutSubviews() override;
    // The wheel's current colour.
    std::shared_ptr<UIColor> value() const;

    std::shared_ptr<ColorPickerView> _colorPicker;
    std::shared_ptr<BrightnessSlider> _brightnessSlider;
};
