#include "tweak/Hooks.h"

void installHooks() {}
