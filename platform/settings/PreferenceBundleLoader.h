#pragma once

#include <memory>

#include "platform/settings/PSListController.h"

// The stand-in for PreferenceLoader: every entry property list in kEntriesFolder holds an "entry"
// dictionary (cell, label, bundle, icon, isController) that becomes a row of the Settings app's
// root list. The bundle "/Library/PreferenceBundles/<bundle>.bundle" is loaded with dlopen (its
// Info.plist's CFBundleExecutable, else the bundle's name) the first time its row is opened, and
// its pane is its Info.plist's NSPrincipalClass (or the entry's "detail"), a PSListController
// subclass the bundle registers as it loads. A bundle that can't be loaded, or lacks its pane
// class, opens a pane saying why; loaded bundles stay loaded.
namespace PreferenceBundleLoader {

inline constexpr char kEntriesFolder[] = "/Library/PreferenceLoader/Preferences";
inline constexpr char kBundlesFolder[] = "/Library/PreferenceBundles";

// The entries' rows, in file name order; unreadable entries are logged and left out. Each row
// carries "iconPath", the device path of its icon, when the entry names one.
PSListController::Specifiers entrySpecifiers();

// The pane an entry row opens; never null.
std::shared_ptr<PSListController> paneForEntry(const PSSpecifier& entry);

}  // namespace PreferenceBundleLoader
