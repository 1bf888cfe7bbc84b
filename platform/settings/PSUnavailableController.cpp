#include "platform/settings/PSUnavailableController.h"

#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"

Class PSUnavailableController::classObject() {
    static const Class cls = defineClass<PSUnavailableController>("PSUnavailableController",
                                                                  PSListController::classObject());
    return cls;
}

PSUnavailableController::PSUnavailableController() = default;

std::shared_ptr<PSUnavailableController> PSUnavailableController::make(std::string reason) {
    auto pane = std::make_shared<PSUnavailableController>();
    pane->reason_ = std::move(reason);
    return pane;
}

const PSListController::Specifiers& PSUnavailableController::specifiers() {
    if (_specifiers.empty()) {
        _specifiers = {
            std::make_shared<PSSpecifier>(
                "", PSGroupCell, PlistDictionary{{"footerText", PlistValue::string(reason_)}}),
            std::make_shared<PSSpecifier>("Not Available", PSStaticTextCell, PlistDictionary{}),
        };
    }
    return _specifiers;
}
