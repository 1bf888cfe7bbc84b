#pragma once

#include <memory>

#include "platform/settings/PSSwitchTableCell.h"

// The switch that turns the password on and off ("passEnabled"). Before system 7 it is shown
// but can't be switched: the password is only stored from 7.0 on.
class passClass : public PSSwitchTableCell {
    RUNTIME_CLASS(passClass)
    passClass();

    void initWithStyle_reuseIdentifier_specifier(
        UITableViewCellStyle style, const std::string& reuseIdentifier,
        const std::shared_ptr<PSSpecifier>& specifier) override;

    std::shared_ptr<PSSpecifier> specifier;
};
