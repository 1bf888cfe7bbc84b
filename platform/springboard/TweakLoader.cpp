#include "platform/springboard/TweakLoader.h"

#include <dlfcn.h>

#include <algorithm>

#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/NSFileManager.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/SystemLog.h"

namespace {

constexpr std::string_view kLibrarySuffix = ".dylib";

bool filterNames(const std::string& filterFile, const std::string& bundleIdentifier) {
    auto filter = PropertyListFile::dictionaryWithContentsOfFile(filterFile);
    if (!filter) {
        if (NSFileManager::defaultManager().fileExistsAtPath(filterFile))
            NSLog("MS:Error: the filter " + DeviceRoot::resolve(filterFile).string() +
                  " can't be read as a property list; its library is not loaded");
        return false;
    }
    auto section = filter->find("Filter");
    if (section == filter->end() || !section->second.asDictionary()) return false;
    auto bundles = section->second.asDictionary()->find("Bundles");
    if (bundles == section->second.asDictionary()->end() || !bundles->second.asArray())
        return false;
    const auto& names = *bundles->second.asArray();
    return std::any_of(names.begin(), names.end(), [&](const PlistValue& name) {
        return name.asString() != nullptr && *name.asString() == bundleIdentifier;
    });
}

}  // namespace

std::vector<std::string> TweakLoader::loadTweaks(const std::string& bundleIdentifier) {
    std::vector<std::string> loaded;
    for (const std::string& name :
         NSFileManager::defaultManager().contentsOfDirectoryAtPath(kFolder)) {
        if (!name.ends_with(kLibrarySuffix)) continue;
        const std::string stem = name.substr(0, name.size() - kLibrarySuffix.size());
        const std::string folder = std::string(kFolder) + "/";
        if (!filterNames(folder + stem + ".plist", bundleIdentifier)) continue;
        const std::string file = DeviceRoot::resolve(folder + name).string();
        // Never closed: hooks and classes of a tweak live as long as the process.
        if (dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL) == nullptr) {
            const char* reason = dlerror();
            NSLog("MS:Error: " + file +
                  " could not be loaded: " + (reason != nullptr ? reason : "unknown error"));
            continue;
        }
        loaded.push_back(name);
    }
    return loaded;
}
