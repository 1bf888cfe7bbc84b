#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One property-list value: boolean, integer, real, string, data, date, array or dictionary.
// Numbers and strings answer the platform's numeric readings (boolValue, intValue, floatValue,
// doubleValue); a value of another kind reads as false or 0 rather than failing.
class PlistValue {
  public:
    using Array = std::vector<PlistValue>;
    using Dictionary = std::map<std::string, PlistValue, std::less<>>;
    using Data = std::vector<std::uint8_t>;

    enum class Kind { Boolean, Integer, Real, String, Data, Date, Array, Dictionary };

    struct Real {
        double value = 0;
        bool isFloat32 = false;  // written as a single-precision number
        bool operator==(const Real&) const = default;
    };
    struct Date {
        double secondsSinceReferenceDate = 0;  // since 2001-01-01 00:00:00 UTC
        bool operator==(const Date&) const = default;
    };

    PlistValue() : storage_(false) {}

    static PlistValue boolean(bool value) { return PlistValue(Storage(value)); }
    static PlistValue integer(std::int64_t value) { return PlistValue(Storage(value)); }
    static PlistValue real(double value) { return PlistValue(Storage(Real{value, false})); }
    static PlistValue float32(float value) { return PlistValue(Storage(Real{value, true})); }
    static PlistValue string(std::string value) { return PlistValue(Storage(std::move(value))); }
    static PlistValue data(Data value) { return PlistValue(Storage(std::move(value))); }
    static PlistValue date(double secondsSinceReferenceDate) {
        return PlistValue(Storage(Date{secondsSinceReferenceDate}));
    }
    static PlistValue array(Array value) { return PlistValue(Storage(std::move(value))); }
    static PlistValue dictionary(Dictionary value) { return PlistValue(Storage(std::move(value))); }

    Kind kind() const { return static_cast<Kind>(storage_.index()); }
    // Booleans, integers and reals are all numbers, as on the platform.
    bool isNumber() const;

    bool boolValue() const;
    int intValue() const;
    std::int64_t longLongValue() const;
    float floatValue() const;
    double doubleValue() const;

    // The contained value of one kind, or null.
    const bool* asBoolean() const { return std::get_if<bool>(&storage_); }
    const std::int64_t* asInteger() const { return std::get_if<std::int64_t>(&storage_); }
    const Real* asReal() const { return std::get_if<Real>(&storage_); }
    const std::string* asString() const { return std::get_if<std::string>(&storage_); }
    const Data* asData() const { return std::get_if<Data>(&storage_); }
    const Date* asDate() const { return std::get_if<Date>(&storage_); }
    const Array* asArray() const { return std::get_if<Array>(&storage_); }
    const Dictionary* asDictionary() const { return std::get_if<Dictionary>(&storage_); }

    bool operator==(const PlistValue&) const = default;

  private:
    // The order of the alternatives is the order of Kind.
    using Storage =
        std::variant<bool, std::int64_t, Real, std::string, Data, Date, Array, Dictionary>;
    explicit PlistValue(Storage storage) : storage_(std::move(storage)) {}

    Storage storage_;
};

using PlistDictionary = PlistValue::Dictionary;
