#include "platform/settings/PSTableCell.h"

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "platform/runtime/Runtime.h"
#include "platform/settings/PSListController.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSValueText.h"
#include "platform/ui/tables/TableLook.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UILabel.h"

namespace {

constexpr CGFloat kDisabledAlpha = 0.4;

std::shared_ptr<UIColor> tintColor() {
    return UIColor::colorWithRed_green_blue_alpha(0, 122 / 255.0, 1, 1);  // #007AFF
}

}  // namespace

Class PSTableCell::classObject() {
    static const Class cls =
        defineClass<PSTableCell>("PSTableCell", UITableViewCell::classObject());
    return cls;
}

PSTableCell::PSTableCell() = default;

UITableViewCellStyle PSTableCell::styleForSpecifier(const PSSpecifier& specifier) {
    switch (specifier.cellType()) {
        case PSLinkListCell:
        case PSTitleValueCell:
            return UITableViewCellStyle::Value1;
        default:
            return UITableViewCellStyle::Default;
    }
}

void PSTableCell::initWithStyle_reuseIdentifier_specifier(
    UITableViewCellStyle style, const std::string& reuseIdentifier,
    const std::shared_ptr<PSSpecifier>& specifier) {
    initWithStyle_reuseIdentifier(style, reuseIdentifier);
    specifier_ = specifier;
    if (specifier_) refreshCellContentsWithSpecifier(*specifier_);
}

void PSTableCell::refreshCellContentsWithSpecifier(const PSSpecifier& specifier) {
    textLabel()->setText(specifier.name());
    if (auto icon = specifier.stringProperty("iconPath"))
        imageView()->setImage(UIImage::imageWithContentsOfFile(*icon));
    switch (specifier.cellType()) {
        case PSLinkCell:
        case PSLinkListCell:
            setAccessoryType(UITableViewCellAccessoryType::DisclosureIndicator);
            break;
        case PSButtonCell:
            if (TableLook::current().classic) {
                textLabel()->setTextAlignment(NSTextAlignmentCenter);
            } else {
                textLabel()->setTextColor(tintColor());
            }
            break;
        case PSStaticTextCell:
        case PSTitleValueCell:
            setSelectionStyle(UITableViewCellSelectionStyle::None);
            break;
        default:
            break;
    }
}

void PSTableCell::setValue(const std::optional<PlistValue>& value) {
    if (specifier_ && specifier_->cellType() == PSListItemCell) {
        setAccessoryType(value && value->boolValue() ? UITableViewCellAccessoryType::Checkmark
                                                     : UITableViewCellAccessoryType::None);
        return;
    }
    if (!detailTextLabel() || !specifier_) return;
    detailTextLabel()->setText(value ? PSValueText::titleForValue(*specifier_, *value) : "");
    setNeedsLayout();
}

CGFloat PSTableCell::layoutLabelBeforeControl(CGFloat gap) {
    const CGRect content = contentView()->bounds();
    const CGFloat inset = TableLook::current().contentInset;
    if (textLabel()->text().empty()) return inset;
    const CGSize label = textLabel()->sizeThatFits(content.size);
    textLabel()->setFrame(CGRectMake(inset, 0, label.width, content.size.height));
    return inset + label.width + gap;
}

void PSTableCell::setCellEnabled(bool enabled) {
    enabled_ = enabled;
    contentView()->setAlpha(enabled ? 1 : kDisabledAlpha);
}

std::string PSTableCell::detailText() const {
    return detailTextLabel() ? detailTextLabel()->text() : "";
}

void PSTableCell::valueChangedByUser(const PlistValue& value) {
    if (auto target = target_.lock(); target && specifier_)
        target->setPreferenceValue_specifier(value, *specifier_);
}
