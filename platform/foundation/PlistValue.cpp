#include "platform/foundation/PlistValue.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/foundation/StringConversions.h"

namespace {

// Converts as the device's processor does: out-of-range values saturate, NaN becomes 0.
template <class Integer>
Integer saturatingConvert(double value) {
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(std::numeric_limits<Integer>::min())) {
        return std::numeric_limits<Integer>::min();
    }
    if (value >= static_cast<double>(std::numeric_limits<Integer>::max())) {
        return std::numeric_limits<Integer>::max();
    }
    return static_cast<Integer>(value);
}

}  // namespace

bool PlistValue::isNumber() const {
    return kind() == Kind::Boolean || kind() == Kind::Integer || kind() == Kind::Real;
}

bool PlistValue::boolValue() const {
    if (auto b = asBoolean())
        return *b;
    if (auto i = asInteger())
        return *i != 0;
    if (auto r = asReal())
        return r->value != 0;
    if (auto s = asString())
        return StringConversions::boolValue(*s);
    return false;
}

int PlistValue::intValue() const {
    if (auto i = asInteger()) {
        return static_cast<int>(std::clamp<std::int64_t>(*i, std::numeric_limits<int>::min(),
                                                         std::numeric_limits<int>::max()));
    }
    if (auto r = asReal())
        return saturatingConvert<int>(r->value);
    if (auto s = asString())
        return StringConversions::intValue(*s);
    return boolValue() ? 1 : 0;
}

std::int64_t PlistValue::longLongValue() const {
    if (auto i = asInteger())
        return *i;
    if (auto r = asReal())
        return saturatingConvert<std::int64_t>(r->value);
    return intValue();
}

double PlistValue::doubleValue() const {
    if (auto i = asInteger())
        return static_cast<double>(*i);
    if (auto r = asReal())
        return r->value;
    if (auto s = asString())
        return StringConversions::doubleValue(*s);
    return boolValue() ? 1.0 : 0.0;
}

float PlistValue::floatValue() const {
    if (auto s = asString())
        return StringConversions::floatValue(*s);
    return static_cast<float>(doubleValue());
}
