// Writes numbered keys into a preference domain of a device root, one key per run-loop turn, the
// way a drag writes the note's position: preferences-writer ROOT DOMAIN PREFIX COUNT
// A COUNT of 0 writes until the process is killed.
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/NSRunLoop.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: preferences-writer ROOT DOMAIN PREFIX COUNT\n";
        return 2;
    }
    DeviceRoot::setPath(argv[1]);
    const std::string domain = argv[2], prefix = argv[3];
    const long count = std::strtol(argv[4], nullptr, 10);
    for (long i = 0; count == 0 || i < count; ++i) {
        CFPreferencesSetValue(prefix + std::to_string(i % 1000), PlistValue::integer(i), domain,
                              kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
        NSRunLoop::mainRunLoop().runOneTurn();
    }
    return 0;
}
