#include "platform/foundation/PropertyListSerialization.h"

#include <plist/plist.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "platform/foundation/PropertyListBounds.h"
#include "platform/foundation/UTF8.h"

namespace PropertyListSerialization {
namespace {

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistNode = std::unique_ptr<void, PlistFree>;

// libplist counts dates in seconds and microseconds since 2001-01-01.
constexpr double kMicroseconds = 1e6;

// What a conversion may still make: values and depth. A list that needs more is refused.
struct Budget {
    std::size_t values = PropertyListBounds::kMaxValues;
};

std::optional<PlistValue> fromNode(plist_t node, int depth, Budget& budget) {
    if (node == nullptr || depth > PropertyListBounds::kMaxDepth || budget.values == 0)
        return std::nullopt;
    --budget.values;
    switch (plist_get_node_type(node)) {
        case PLIST_BOOLEAN: {
            uint8_t value = 0;
            plist_get_bool_val(node, &value);
            return PlistValue::boolean(value != 0);
        }
        case PLIST_UINT: {
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            return PlistValue::integer(static_cast<int64_t>(value));
        }
        case PLIST_REAL: {
            double value = 0;
            plist_get_real_val(node, &value);
            bool exactFloat =
                std::isfinite(value) && static_cast<double>(static_cast<float>(value)) == value;
            return exactFloat ? PlistValue::float32(static_cast<float>(value))
                              : PlistValue::real(value);
        }
        case PLIST_STRING: {
            // By pointer and length: a binary list's string may hold a NUL.
            uint64_t length = 0;
            const char* text = plist_get_string_ptr(node, &length);
            return PlistValue::string(text != nullptr ? std::string(text, length) : std::string());
        }
        case PLIST_DATA: {
            char* bytes = nullptr;
            uint64_t length = 0;
            plist_get_data_val(node, &bytes, &length);
            PlistValue::Data value(bytes, bytes + length);
            std::free(bytes);
            return PlistValue::data(std::move(value));
        }
        case PLIST_DATE: {
            int32_t seconds = 0, microseconds = 0;
            plist_get_date_val(node, &seconds, &microseconds);
            return PlistValue::date(seconds + microseconds / kMicroseconds);
        }
        case PLIST_ARRAY: {
            PlistValue::Array items;
            for (uint32_t i = 0, n = plist_array_get_size(node); i < n; ++i) {
                auto item = fromNode(plist_array_get_item(node, i), depth + 1, budget);
                if (!item)
                    return std::nullopt;
                items.push_back(std::move(*item));
            }
            return PlistValue::array(std::move(items));
        }
        case PLIST_DICT: {
            PlistValue::Dictionary entries;
            plist_dict_iter iterator = nullptr;
            plist_dict_new_iter(node, &iterator);
            std::optional<PlistValue> result;
            for (;;) {
                char* key = nullptr;
                plist_t item = nullptr;
                plist_dict_next_item(node, iterator, &key, &item);
                if (item == nullptr) {
                    result = PlistValue::dictionary(std::move(entries));
                    break;
                }
                std::string name = key != nullptr ? key : "";
                std::free(key);
                auto value = fromNode(item, depth + 1, budget);
                if (!value)
                    break;
                entries.insert_or_assign(std::move(name), std::move(*value));
            }
            std::free(iterator);
            return result;
        }
        default:
            return std::nullopt;
    }
}

// libplist takes a date's whole seconds as an int32: a date past that range (about 68 years
// either side of 2001) is written at its end, one that isn't a number as the reference date.
double writableDate(double secondsSinceReferenceDate) {
    constexpr double kEarliest = INT32_MIN, kLatest = INT32_MAX;
    if (std::isnan(secondsSinceReferenceDate))
        return 0;
    return std::clamp(secondsSinceReferenceDate, kEarliest, kLatest);
}

plist_t toNode(const PlistValue& value) {
    switch (value.kind()) {
        case PlistValue::Kind::Boolean:
            return plist_new_bool(*value.asBoolean() ? 1 : 0);
        case PlistValue::Kind::Integer:
            return plist_new_uint(static_cast<uint64_t>(*value.asInteger()));
        case PlistValue::Kind::Real:
            return plist_new_real(value.asReal()->value);
        case PlistValue::Kind::String:
            return plist_new_string(UTF8::valid(*value.asString()).c_str());
        case PlistValue::Kind::Data: {
            const auto& bytes = *value.asData();
            return plist_new_data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        }
        case PlistValue::Kind::Date: {
            const double date = writableDate(value.asDate()->secondsSinceReferenceDate);
            const double seconds = std::floor(date);
            const double fraction = date - seconds;
            return plist_new_date(static_cast<int32_t>(seconds),
                                  static_cast<int32_t>(std::lround(fraction * kMicroseconds)));
        }
        case PlistValue::Kind::Array: {
            plist_t array = plist_new_array();
            for (const PlistValue& item : *value.asArray())
                plist_array_append_item(array, toNode(item));
            return array;
        }
        case PlistValue::Kind::Dictionary: {
            plist_t dict = plist_new_dict();
            for (const auto& [key, item] : *value.asDictionary()) {
                plist_dict_set_item(dict, UTF8::valid(key).c_str(), toNode(item));
            }
            return dict;
        }
    }
    return nullptr;
}

// Whether the parser can be given `bytes` without recursing too deep or expanding too far.
bool withinBounds(std::string_view bytes) {
    using namespace PropertyListBounds;
    if (bytes.starts_with("bplist"))
        return binaryExpansionWithin(bytes, kMaxDepth, kMaxValues);
    return xmlNestingWithin(bytes, kMaxDepth) && !xmlHoldsNul(bytes);
}

}  // namespace

std::optional<PlistValue> propertyListWithData(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > UINT32_MAX || !withinBounds(bytes))
        return std::nullopt;
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    PlistNode owner(root);
    Budget budget;
    return fromNode(root, 0, budget);
}

std::string xmlData(const PlistValue& value) {
    PlistNode root(toNode(value));
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    std::string result(xml != nullptr ? xml : "", length);
    plist_to_xml_free(xml);
    return result;
}

std::string binaryData(const PlistValue& value) {
    PlistNode root(toNode(value));
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root.get(), &bytes, &length);
    std::string result(bytes != nullptr ? bytes : "", length);
    plist_to_bin_free(bytes);
    return result;
}

}  // namespace PropertyListSerialization
