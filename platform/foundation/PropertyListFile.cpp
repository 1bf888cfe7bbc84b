#include "platform/foundation/PropertyListFile.h"

#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/FileIO.h"
#include "platform/foundation/PropertyListBounds.h"
#include "platform/foundation/PropertyListSerialization.h"

namespace PropertyListFile {

std::optional<PlistDictionary> dictionaryWithContentsOfFile(std::string_view devicePath) {
    auto bytes =
        FileIO::readFile(DeviceRoot::resolve(devicePath), PropertyListBounds::kMaxFileBytes);
    if (!bytes)
        return std::nullopt;
    auto value = PropertyListSerialization::propertyListWithData(*bytes);
    if (!value || value->asDictionary() == nullptr)
        return std::nullopt;
    return *value->asDictionary();
}

bool writeToFile(const PlistDictionary& dictionary, std::string_view devicePath, Write how) {
    std::string xml = PropertyListSerialization::xmlData(PlistValue::dictionary(dictionary));
    auto file = DeviceRoot::resolve(devicePath);
    return how == Write::Atomically ? FileIO::writeFileAtomically(file, xml)
                                    : FileIO::writeFile(file, xml);
}

}  // namespace PropertyListFile
