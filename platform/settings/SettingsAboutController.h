#pragma once

#include "platform/settings/PSListController.h"

// General → About: the device's name, model and system version.
class SettingsAboutController : public PSListController {
    RUNTIME_CLASS(SettingsAboutController)
    SettingsAboutController();
    const Specifiers& specifiers() override;
};
