#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/settings/PSTableCell.h"
#include "platform/ui/text/UITextFieldDelegate.h"

class UITextField;

// The password field of the password pane. From system 7 on it shows the stored password,
// masked, and stores what is typed (as Base64 of its UTF-8 bytes, under "pass") each time editing
// ends; before 7 it is disabled and says why.
class passwordCell : public PSTableCell, public UITextFieldDelegate {
    RUNTIME_CLASS(passwordCell)
    passwordCell();

    void initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                       std::string reuseIdentifier) override;

    void textFieldDidEndEditing(UITextField* field) override;
    // The return key ends editing.
    bool textFieldShouldReturn(UITextField* field) override;

    std::shared_ptr<UITextField> passwordField;
    std::optional<std::string> passWord;  // "pass" as the settings cache held it
    bool checkPassword = false;           // a stored value was found
};
