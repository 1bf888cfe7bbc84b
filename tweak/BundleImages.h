#pragma once

// The settings bundle's images that the note uses.
namespace BundleImages {
inline constexpr char kHide[] = "/Library/PreferenceBundles/Plakko.bundle/hide@2x.png";
inline constexpr char kDelete[] = "/Library/PreferenceBundles/Plakko.bundle/delete@2x.png";
inline constexpr char kExport[] = "/Library/PreferenceBundles/Plakko.bundle/export@2x.png";
inline constexpr char kKeyboard[] = "/Library/PreferenceBundles/Plakko.bundle/keyboard@2x.png";
// Relative paths, resolved from the process's working directory (the device's root).
inline constexpr char kNote[] = "Library/PreferenceBundles/Plakko.bundle/iphone-plakko@2x.png";
inline constexpr char kNoteForTint[] =
    "Library/PreferenceBundles/Plakko.bundle/iphone-plakko-black@2x.png";
}  // namespace BundleImages
