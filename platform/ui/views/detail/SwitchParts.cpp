#include "platform/ui/views/detail/SwitchParts.h"

#include "platform/ui/views/detail/ClassicSwitchParts.h"
#include "platform/ui/views/detail/FlatSwitchParts.h"

std::unique_ptr<SwitchParts> SwitchParts::make(bool classic, CALayer& host) {
    if (classic) return std::make_unique<ClassicSwitchParts>(host);
    return std::make_unique<FlatSwitchParts>(host);
}
