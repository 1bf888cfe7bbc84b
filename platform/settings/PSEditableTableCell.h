#pragma once

#include <memory>

#include "platform/settings/PSTableCell.h"
#include "platform/ui/text/UITextFieldDelegate.h"

class UITextField;

// A row with a text field after its label that stores the text under the row's key when editing
// ends (the return key ends it): "placeholder", "keyboard" ("numbers", "phone", "email", "url"),
// "isNumeric" (stored as a number; a text that isn't one is logged and the stored value shown
// again), "isDecimalPad"; the secure kind shows bullets.
class PSEditableTableCell : public PSTableCell, public UITextFieldDelegate {
    RUNTIME_CLASS(PSEditableTableCell)
    PSEditableTableCell();

    void initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                       std::string reuseIdentifier) override;
    void refreshCellContentsWithSpecifier(const PSSpecifier& specifier) override;
    void setValue(const std::optional<PlistValue>& value) override;
    void setCellEnabled(bool enabled) override;
    void layoutSubviews() override;

    const std::shared_ptr<UITextField>& textField() const { return textField_; }

    void textFieldDidEndEditing(UITextField* field) override;
    bool textFieldShouldReturn(UITextField* field) override;

private:
    bool isNumeric() const;

    std::shared_ptr<UITextField> textField_;
    std::optional<PlistValue> shownValue_;
};
