#pragma once

#include <string>

#include "platform/settings/PSTableCell.h"
#include "prefs/ColorKeys.h"

// The row of a colour pane that shows the colour saved under its keys, opaque, as a rounded
// rectangle at a fixed place of the pane's table (whatever row position the table gives it). It
// reads the colour once, when it is made: a pane reloaded after a save makes it again.
//
// Ownership: the cell owns its background view, which shows the colour.
class ColorPreviewCell : public PSTableCell {
    RUNTIME_CLASS(ColorPreviewCell)
    explicit ColorPreviewCell(ColorKeys keys);

    void initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                       std::string reuseIdentifier) override;
    void layoutSubviews() override;

private:
    ColorKeys keys_;
};
