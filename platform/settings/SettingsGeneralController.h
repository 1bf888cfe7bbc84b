#pragma once

#include "platform/settings/PSListController.h"

// General: the About row.
class SettingsGeneralController : public PSListController {
    RUNTIME_CLASS(SettingsGeneralController)
    SettingsGeneralController();
    const Specifiers& specifiers() override;
};
