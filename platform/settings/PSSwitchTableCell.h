#pragma once

#include <memory>

#include "platform/settings/PSTableCell.h"

class UISwitch;

// A row with a switch at its end that stores a boolean under the row's key: on is true, unless
// the row says "negate".
class PSSwitchTableCell : public PSTableCell {
    RUNTIME_CLASS(PSSwitchTableCell)
    PSSwitchTableCell();

    void initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                       std::string reuseIdentifier) override;
    const std::shared_ptr<UISwitch>& control() const { return control_; }

    void setValue(const std::optional<PlistValue>& value) override;
    void setCellEnabled(bool enabled) override;

private:
    bool negated() const;
    void switchChanged();

    std::shared_ptr<UISwitch> control_;
};
