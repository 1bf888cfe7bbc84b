#include "common/SystemVersion.h"

#include "platform/foundation/StringConversions.h"

bool isSystemVersionBefore7(std::string_view systemVersion) {
    return StringConversions::compareNumeric(systemVersion, "7.0") < 0;
}
