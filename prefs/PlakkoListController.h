#pragma once

#include "platform/settings/PSListController.h"

// The root settings pane, "Plakko": its rows come from the bundle's "Plakko" list. Loading it
// refreshes the bundle's settings cache and, when the password is enabled, asks for it first; a
// wrong answer or Cancel leaves the pane empty. Unloading it (a memory warning while it is off
// screen) releases the cache.
class PlakkoListController : public PSListController {
    RUNTIME_CLASS(PlakkoListController)
    PlakkoListController();

    const Specifiers& specifiers() override;
    void viewDidLoad() override;
    void viewDidUnload() override;
    // The button row's action: opens the developer's profile page.
    void followOnTwitter();
};
