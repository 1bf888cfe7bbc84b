#pragma once

#include <string>
#include <vector>

// MobileSubstrate's loader: every library in "/Library/MobileSubstrate/DynamicLibraries" whose
// filter property list ("<name>.plist", Filter → Bundles) names `bundleIdentifier` is loaded
// with dlopen, in name order, and its load-time initialisers run. A library that can't be loaded
// is logged and skipped. Gives the names of the libraries loaded.
class TweakLoader {
public:
    static constexpr char kFolder[] = "/Library/MobileSubstrate/DynamicLibraries";

    static std::vector<std::string> loadTweaks(const std::string& bundleIdentifier);
};
