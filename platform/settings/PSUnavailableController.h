#pragma once

#include <memory>
#include <string>

#include "platform/settings/PSListController.h"

// The pane shown in place of one that can't be opened: a single "Not Available" row with the
// reason under it.
class PSUnavailableController : public PSListController {
    RUNTIME_CLASS(PSUnavailableController)
    PSUnavailableController();
    static std::shared_ptr<PSUnavailableController> make(std::string reason);

    const Specifiers& specifiers() override;

private:
    std::string reason_;
};
