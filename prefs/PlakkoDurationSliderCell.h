#pragma once

#include "platform/settings/PSSliderTableCell.h"

// The hide duration's slider: the value is stored in tenths of a second and shown in seconds.
class PlakkoDurationSliderCell : public PSSliderTableCell {
    RUNTIME_CLASS(PlakkoDurationSliderCell)
    PlakkoDurationSliderCell();
    std::string textForValue(float tenths) const override;
};
