// The tweak library's load-time initialisers, run in this order when SpringBoard loads it: the
// default settings first, then the hooks.
#include "common/SettingsStore.h"
#include "tweak/Hooks.h"

namespace {

__attribute__((constructor(101))) void writeDefaultsAtLoad() {
    writeDefaultSettings();
}

__attribute__((constructor(102))) void installHooksAtLoad() {
    installHooks();
}

}  // namespace
