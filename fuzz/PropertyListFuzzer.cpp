// Bytes read as a preference file (XML or binary), then every reading the settings store makes of
// what came out. A list that was read must also survive being written and read again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/SettingsStore.h"
#include "platform/foundation/PropertyListSerialization.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto value = PropertyListSerialization::propertyListWithData(bytes);
    if (!value || value->asDictionary() == nullptr) return 0;
    settingsCache = *value->asDictionary();
    for (const auto& [key, setting] : *value->asDictionary()) {
        cachedBool(key);
        cachedFloat(key);
        cachedString(key);
        setting.intValue();
        setting.doubleValue();
    }
    settingsPresence(settingsCache);

    for (const std::string& written : {PropertyListSerialization::binaryData(*value),
                                       PropertyListSerialization::xmlData(*value)}) {
        if (!PropertyListSerialization::propertyListWithData(written))
            std::abort();  // a list we read and wrote could no longer be read
    }
    return 0;
}
