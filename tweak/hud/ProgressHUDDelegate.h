#pragma once

#include <memory>

class ProgressHUD;

// Told when a HUD has been hidden. Implementing the operation is optional: the default does
// nothing. The HUD does not own its delegate.
class ProgressHUDDelegate {
public:
    virtual ~ProgressHUDDelegate() = default;
    virtual void hudWasHidden(const std::shared_ptr<ProgressHUD>&) {}
};
