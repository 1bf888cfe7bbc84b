#pragma once

#include "platform/settings/PSListController.h"

// The password pane: its switch (passClass) and field (passwordCell), from the bundle's
// "PlakkoPasswordController" list.
class PlakkoPasswordController : public PSListController {
    RUNTIME_CLASS(PlakkoPasswordController)
    PlakkoPasswordController();
    const Specifiers& specifiers() override;
};
