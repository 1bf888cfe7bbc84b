#include "platform/settings/PSSwitchTableCell.h"

#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/ui/views/UISwitch.h"

Class PSSwitchTableCell::classObject() {
    static const Class cls = defineClass<PSSwitchTableCell>(
        "PSSwitchTableCell", PSTableCell::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "switchChanged:", +[](id self, SEL, UIControl*) {
                    static_cast<PSSwitchTableCell*>(self)->switchChanged();
                });
        });
    return cls;
}

PSSwitchTableCell::PSSwitchTableCell() = default;

void PSSwitchTableCell::initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                                      std::string reuseIdentifier) {
    PSTableCell::initWithStyle_reuseIdentifier(style, std::move(reuseIdentifier));
    control_ = std::make_shared<UISwitch>();
    control_->addTarget_action_forControlEvents(shared_from_this(),
                                                "switchChanged:", UIControlEventValueChanged);
    setAccessoryView(control_);
    setSelectionStyle(UITableViewCellSelectionStyle::None);
}

bool PSSwitchTableCell::negated() const {
    return specifier() && specifier()->boolProperty("negate", false);
}

void PSSwitchTableCell::setValue(const std::optional<PlistValue>& value) {
    if (control_) control_->setOn((value && value->boolValue()) != negated());
}

void PSSwitchTableCell::setCellEnabled(bool enabled) {
    PSTableCell::setCellEnabled(enabled);
    if (control_) control_->setEnabled(enabled);
}

void PSSwitchTableCell::switchChanged() {
    valueChangedByUser(PlistValue::boolean(control_->isOn() != negated()));
}
