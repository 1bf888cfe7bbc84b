#pragma once

#include <string_view>

// Both deliverables switch several features on "7.0": the system is before 7 when its version
// string compares lower than "7.0" with digit runs compared as numbers ("7.10" is later than
// "7.9").
bool isSystemVersionBefore7(std::string_view systemVersion);
