#include "sim/RememberedZoom.h"

#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/SystemLog.h"

namespace {

constexpr char kFile[] = "/SimulatorWindow.plist";
constexpr char kZoomKey[] = "Zoom";

PlistDictionary rememberedZooms(const PlistDictionary& file) {
    const auto zooms = file.find(kZoomKey);
    if (zooms == file.end() || zooms->second.asDictionary() == nullptr) return {};
    return *zooms->second.asDictionary();
}

}  // namespace

std::optional<WindowZoom> rememberedZoom(const std::string& deviceName) {
    const auto file = PropertyListFile::dictionaryWithContentsOfFile(kFile);
    if (!file) return std::nullopt;
    const PlistDictionary zooms = rememberedZooms(*file);
    const auto zoom = zooms.find(deviceName);
    if (zoom == zooms.end() || zoom->second.asString() == nullptr) return std::nullopt;
    return windowZoomNamed(*zoom->second.asString());
}

void rememberZoom(const std::string& deviceName, WindowZoom zoom) {
    PlistDictionary file =
        PropertyListFile::dictionaryWithContentsOfFile(kFile).value_or(PlistDictionary{});
    PlistDictionary zooms = rememberedZooms(file);
    zooms[deviceName] = PlistValue::string(std::string(windowZoomName(zoom)));
    file[kZoomKey] = PlistValue::dictionary(std::move(zooms));
    if (!PropertyListFile::writeToFile(file, kFile, PropertyListFile::Write::Atomically))
        NSLog(std::string("can't remember the window's zoom in ") + kFile);
}
