#include "platform/settings/PreferenceBundleLoader.h"

#include <dlfcn.h>

#include <set>
#include <stdexcept>

#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/NSFileManager.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/SystemLog.h"
#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSSpecifierLoader.h"
#include "platform/settings/PSUnavailableController.h"

namespace PreferenceBundleLoader {
namespace {

constexpr std::string_view kPlistSuffix = ".plist";

std::string stringIn(const PlistDictionary& dictionary, std::string_view key,
                     std::string fallback) {
    auto it = dictionary.find(key);
    return it != dictionary.end() && it->second.asString() ? *it->second.asString() : fallback;
}

std::string bundleFolder(const std::string& bundle) {
    return std::string(kBundlesFolder) + "/" + bundle + ".bundle";
}

// Loads the bundle's executable once; throws std::runtime_error saying why it can't.
void loadExecutable(const std::string& devicePath) {
    static std::set<std::string> loaded;
    if (loaded.contains(devicePath)) return;
    if (!NSFileManager::defaultManager().fileExistsAtPath(devicePath))
        throw std::runtime_error("its executable " + devicePath + " is missing");
    const std::string file = DeviceRoot::resolve(devicePath).string();
    // Never closed: the bundle's classes live as long as the process.
    if (dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL) == nullptr) {
        const char* reason = dlerror();
        throw std::runtime_error("its executable can't be loaded (" +
                                 std::string(reason ? reason : "unknown error") + ")");
    }
    loaded.insert(devicePath);
}

std::shared_ptr<PSListController> loadPane(const PSSpecifier& entry) {
    const std::string bundle = entry.stringProperty("bundle").value_or("");
    if (bundle.empty()) throw std::runtime_error("its entry names no bundle");
    const std::string folder = bundleFolder(bundle);
    const PlistDictionary info =
        PropertyListFile::dictionaryWithContentsOfFile(folder + "/Info.plist")
            .value_or(PlistDictionary{});
    loadExecutable(folder + "/" + stringIn(info, "CFBundleExecutable", bundle));
    const std::string paneClass =
        entry.stringProperty("detail").value_or(stringIn(info, "NSPrincipalClass", ""));
    if (paneClass.empty()) throw std::runtime_error("its Info.plist names no principal class");
    Class cls = objc_getClass(paneClass);
    std::shared_ptr<NSObject> pane = cls ? class_createInstance(cls) : nullptr;
    if (!pane || !pane->isKindOfClass(PSListController::classObject()))
        throw std::runtime_error("it has no settings pane class " + paneClass);
    auto controller = std::static_pointer_cast<PSListController>(pane);
    controller->setBundlePath(folder);
    return controller;
}

}  // namespace

PSListController::Specifiers entrySpecifiers() {
    PSListController::Specifiers rows;
    for (const std::string& name :
         NSFileManager::defaultManager().contentsOfDirectoryAtPath(kEntriesFolder)) {
        if (!name.ends_with(kPlistSuffix)) continue;
        const std::string path = std::string(kEntriesFolder) + "/" + name;
        const auto file = PropertyListFile::dictionaryWithContentsOfFile(path);
        auto entry = file ? file->find("entry") : PlistDictionary::const_iterator{};
        if (!file || entry == file->end()) {
            NSLog("Preferences: the loader entry " + path + " has no entry dictionary");
            continue;
        }
        auto row = PSSpecifierLoader::specifierFromItem(entry->second, nullptr, path);
        if (!row) continue;
        const auto bundle = row->stringProperty("bundle");
        const auto icon = row->stringProperty("icon");
        if (bundle && icon)
            row->setProperty_forKey(PlistValue::string(bundleFolder(*bundle) + "/" + *icon),
                                    "iconPath");
        rows.push_back(std::move(row));
    }
    return rows;
}

std::shared_ptr<PSListController> paneForEntry(const PSSpecifier& entry) {
    try {
        return loadPane(entry);
    } catch (const std::runtime_error& error) {
        NSLog("Preferences: can't open \"" + entry.name() + "\": " + error.what());
        return PSUnavailableController::make(entry.name() + " can't be opened: " + error.what() +
                                             ".");
    }
}

}  // namespace PreferenceBundleLoader
