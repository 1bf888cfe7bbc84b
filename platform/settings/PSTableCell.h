#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/PlistValue.h"
#include "platform/ui/tables/UITableViewCell.h"

class PSListController;
class PSSpecifier;

// A row of a settings pane. The pane makes it by class name through the runtime, so a bundle's
// own cell classes are used, then sends initWithStyle:reuseIdentifier:specifier:, which runs
// initWithStyle:reuseIdentifier: and shows the row's label and the mark of its kind. Subclasses
// extend either initialiser, running the base first. The pane then gives the cell the row's
// stored value; a value the user chooses goes to the cell's target.
//
// Plain rows: links show a chevron, choice lists the title of the value in a value-1 row, title
// rows their value, button rows their label in the tint colour.
//
// Ownership: the cell owns its views; its specifier is shared with the pane; the target (the
// pane) is not owned.
class PSTableCell : public UITableViewCell {
    RUNTIME_CLASS(PSTableCell)
    PSTableCell();

    // The style of the row a specifier describes.
    static UITableViewCellStyle styleForSpecifier(const PSSpecifier& specifier);

    virtual void initWithStyle_reuseIdentifier_specifier(
        UITableViewCellStyle style, const std::string& reuseIdentifier,
        const std::shared_ptr<PSSpecifier>& specifier);

    const std::shared_ptr<PSSpecifier>& specifier() const { return specifier_; }
    virtual void refreshCellContentsWithSpecifier(const PSSpecifier& specifier);

    // The stored value, already checked by the pane (nothing: neither stored nor defaulted); for
    // an item of a choice list, whether it is the one chosen (ticked).
    virtual void setValue(const std::optional<PlistValue>& value);
    // A disabled row is dimmed; its control, and a tap on it, do nothing.
    virtual void setCellEnabled(bool enabled);
    bool cellEnabled() const { return enabled_; }

    void setCellTarget(const std::shared_ptr<PSListController>& target) { target_ = target; }

    // What the row shows to the right of its label, for readers of the screen.
    std::string detailText() const;

protected:
    // Hands a value the user chose to the pane, which stores it.
    void valueChangedByUser(const PlistValue& value);
    // Places the label at the content's left, as wide as its text, and answers where a control
    // beside it starts: `gap` after the label, or at the inset when the row has no label.
    CGFloat layoutLabelBeforeControl(CGFloat gap);

private:
    std::shared_ptr<PSSpecifier> specifier_;
    std::weak_ptr<PSListController> target_;
    bool enabled_ = true;
};
