#pragma once

#include "platform/foundation/PlistValue.h"

// One write of one key to the tweak's preference domain, as every writer of the tweak makes it
// (current user, any host; never synchronised).
void writeSetting(const char* key, PlistValue value);
