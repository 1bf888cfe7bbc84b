#pragma once

#include "platform/settings/PSListController.h"

// The Settings app's first pane: the built-in General row, then the installed settings bundles'
// rows in a group of their own.
class SettingsRootController : public PSListController {
    RUNTIME_CLASS(SettingsRootController)
    SettingsRootController();
    const Specifiers& specifiers() override;
};
