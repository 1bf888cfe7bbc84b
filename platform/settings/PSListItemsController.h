#pragma once

#include "platform/settings/PSListController.h"

// The choice list a link-list row opens: one row per entry of the row's "validTitles", the one
// whose "validValues" entry is stored ticked. Choosing a row stores its value through the pane
// the list was opened from and ticks it.
class PSListItemsController : public PSListController {
    RUNTIME_CLASS(PSListItemsController)
    PSListItemsController();

    const Specifiers& specifiers() override;
    // For an item: whether it is the stored choice.
    std::optional<PlistValue> readPreferenceValue(const PSSpecifier& item) const override;

protected:
    void didSelectSpecifier(const std::shared_ptr<PSSpecifier>& item) override;
};
