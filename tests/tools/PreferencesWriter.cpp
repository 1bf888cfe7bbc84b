// Writes numbered keys into a preference domain of a device root, one key per run-loop turn, the
// way a drag writes the note's position: preferences-writer ROOT DOMAIN PREFIX COUNT
// A COUNT of 0 writes until the process is killed. Exits 1 when a write fails, 2 on bad usage.
#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/NSRunLoop.h"

namespace {

constexpr char kUsage[] = "usage: preferences-writer ROOT DOMAIN PREFIX COUNT\n";

// A whole number of 0 or more; nothing for anything else.
std::optional<long> countArgument(const std::string& text) {
    long count = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, count);
    if (text.empty() || error != std::errc() || stop != end || count < 0) return std::nullopt;
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string root = argv[1], domain = argv[2], prefix = argv[3];
    const auto count = countArgument(argv[4]);
    if (root.empty() || !count) {
        std::cerr << "preferences-writer: ROOT must be a folder and COUNT a whole number\n"
                  << kUsage;
        return 2;
    }
    if (!CFPreferencesIsValidDomain(domain)) {
        std::cerr << "preferences-writer: \"" << domain << "\" is not a valid domain name\n";
        return 1;
    }
    DeviceRoot::setPath(root);
    for (long i = 0; *count == 0 || i < *count; ++i) {
        CFPreferencesSetValue(prefix + std::to_string(i % 1000), PlistValue::integer(i), domain,
                              kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
        NSRunLoop::mainRunLoop().runOneTurn();
    }
    if (!CFPreferencesAppSynchronize(domain)) {
        std::cerr << "preferences-writer: the domain " << domain << " can't be written\n";
        return 1;
    }
    return 0;
}
