#include "prefs/passClass.h"

#include "common/SystemVersion.h"
#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UISwitch.h"

Class passClass::classObject() {
    static const Class cls = defineClass<passClass>(
        "passClass", PSSwitchTableCell::classObject(),
        [](RuntimeClass& c) { c.addIvar("specifier", &passClass::specifier); });
    return cls;
}

passClass::passClass() = default;

void passClass::initWithStyle_reuseIdentifier_specifier(
    UITableViewCellStyle style, const std::string& reuseIdentifier,
    const std::shared_ptr<PSSpecifier>& rowSpecifier) {
    PSSwitchTableCell::initWithStyle_reuseIdentifier_specifier(style, reuseIdentifier,
                                                               rowSpecifier);
    specifier = rowSpecifier;
    if (isSystemVersionBefore7(UIDevice::currentDevice().systemVersion()) && control())
        control()->setEnabled(false);
}
