#include <gtest/gtest.h>

#include <plist/plist.h>

#include <climits>
#include <cmath>

#include "platform/foundation/FileIO.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/PropertyListSerialization.h"
#include "platform/foundation/StringConversions.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace sc = StringConversions;

TEST(StringConversionsTest, ReadNumbersTheWayThePlatformStringClassDoes) {
    EXPECT_TRUE(sc::boolValue("  YES"));
    EXPECT_TRUE(sc::boolValue("true"));
    EXPECT_TRUE(sc::boolValue("-007"));
    EXPECT_FALSE(sc::boolValue("0.9"));
    EXPECT_FALSE(sc::boolValue("no"));
    EXPECT_FALSE(sc::boolValue(""));

    EXPECT_EQ(sc::intValue(" 42abc"), 42);
    EXPECT_EQ(sc::intValue("-7.9"), -7);
    EXPECT_EQ(sc::intValue("x1"), 0);
    EXPECT_EQ(sc::intValue("99999999999999999999"), INT_MAX);
    EXPECT_EQ(sc::intValue("-99999999999999999999"), INT_MIN);

    EXPECT_DOUBLE_EQ(sc::doubleValue("  0.25 points"), 0.25);
    EXPECT_DOUBLE_EQ(sc::doubleValue("+1e3"), 1000);
    EXPECT_DOUBLE_EQ(sc::doubleValue(".5"), 0.5);
    EXPECT_DOUBLE_EQ(sc::doubleValue("5e"), 5)
        << "an incomplete exponent is not part of the number";
    EXPECT_DOUBLE_EQ(sc::doubleValue("inf"), 0);
    EXPECT_DOUBLE_EQ(sc::doubleValue("nan"), 0);
    EXPECT_EQ(sc::doubleValue("1e999"), HUGE_VAL);
    EXPECT_EQ(sc::doubleValue("-1e999"), -HUGE_VAL);
    EXPECT_DOUBLE_EQ(sc::doubleValue("1e-999"), 0);
}

TEST(StringConversionsTest, NumericComparisonOrdersVersionStrings) {
    EXPECT_LT(sc::compareNumeric("6.1.3", "7.0"), 0);
    EXPECT_GT(sc::compareNumeric("7.10", "7.9"), 0);
    EXPECT_GT(sc::compareNumeric("10.0", "7.0"), 0);
    EXPECT_EQ(sc::compareNumeric("7.0", "7.0"), 0);
    EXPECT_EQ(sc::compareNumeric("07.0", "7.0"), 0);
    EXPECT_LT(sc::compareNumeric("7", "7.0"), 0) << "a prefix is smaller";
    EXPECT_GT(sc::compareNumeric("7.0.4", "7.0"), 0);
}

TEST(PlistValueTest, WrongKindsReadAsZeroInsteadOfFailing) {
    PlistValue array = PlistValue::array({PlistValue::integer(1)});
    EXPECT_FALSE(array.boolValue());
    EXPECT_EQ(array.intValue(), 0);
    EXPECT_EQ(array.floatValue(), 0.0f);
    EXPECT_EQ(PlistValue::data({1, 2}).doubleValue(), 0.0);

    EXPECT_TRUE(PlistValue::real(0.1).boolValue());
    EXPECT_EQ(PlistValue::real(1e20).intValue(), INT_MAX) << "out of range saturates";
    EXPECT_EQ(PlistValue::real(NAN).intValue(), 0);
    EXPECT_EQ(PlistValue::integer(1LL << 40).intValue(), INT_MAX);
    EXPECT_FLOAT_EQ(PlistValue::string(" 0.3").floatValue(), 0.3f);
    EXPECT_EQ(PlistValue::boolean(true).floatValue(), 1.0f);
}

TEST(PropertyListSerializationTest, XmlRoundTripKeepsEveryKind) {
    PlistDictionary dictionary{
        {"bool", PlistValue::boolean(true)},
        {"int", PlistValue::integer(-5)},
        {"float", PlistValue::float32(0.3f)},
        {"double", PlistValue::real(0.1)},
        {"string", PlistValue::string("note ✓ <&>")},
        {"data", PlistValue::data({0, 255, 10})},
        {"date", PlistValue::date(600000000)},  // XML keeps whole seconds
        {"array", PlistValue::array({PlistValue::string("a"), PlistValue::dictionary({})})},
    };
    auto parsed = PropertyListSerialization::propertyListWithData(
        PropertyListSerialization::xmlData(PlistValue::dictionary(dictionary)));
    ASSERT_TRUE(parsed && parsed->asDictionary());
    EXPECT_EQ(*parsed->asDictionary(), dictionary);
    EXPECT_EQ(parsed->asDictionary()->at("float").floatValue(), 0.3f)
        << "a single-precision value survives exactly";
}

TEST(PropertyListSerializationTest, BinaryListsAreReadAndBrokenInputIsRefused) {
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "alpha", plist_new_real(0.5));
    plist_dict_set_item(dict, "Text", plist_new_string("from the device"));
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(dict, &bytes, &length);
    std::string binary(bytes, length);
    plist_to_bin_free(bytes);
    plist_free(dict);

    auto parsed = PropertyListSerialization::propertyListWithData(binary);
    ASSERT_TRUE(parsed && parsed->asDictionary());
    EXPECT_EQ(parsed->asDictionary()->at("Text").asString() != nullptr, true);
    EXPECT_FLOAT_EQ(parsed->asDictionary()->at("alpha").floatValue(), 0.5f);

    for (size_t cut : {size_t{0}, size_t{8}, binary.size() / 2, binary.size() - 1}) {
        EXPECT_FALSE(
            PropertyListSerialization::propertyListWithData(binary.substr(0, cut)).has_value())
            << cut;
    }
    std::string deep;
    for (int i = 0; i < 5000; ++i)
        deep += "<array>";
    EXPECT_FALSE(
        PropertyListSerialization::propertyListWithData("<plist>" + deep + "</plist>").has_value());
}

TEST(PropertyListFileTest, DictionaryFilesAtDevicePaths) {
    TemporaryDeviceRoot root;
    std::filesystem::create_directories(root / "/var/mobile");
    const char* path = "/var/mobile/test.plist";
    EXPECT_FALSE(PropertyListFile::dictionaryWithContentsOfFile(path).has_value());

    PlistDictionary written{{"pass", PlistValue::string("c2VjcmV0")}};
    ASSERT_TRUE(PropertyListFile::writeToFile(written, path, PropertyListFile::Write::Atomically));
    EXPECT_EQ(PropertyListFile::dictionaryWithContentsOfFile(path), written);
    EXPECT_EQ(PropertyListFile::dictionaryWithContentsOfFile("var/mobile/../mobile/test.plist"),
              written)
        << "relative paths start at the device's root";

    FileIO::writeFile(root / path, "<plist><array/></plist>");
    EXPECT_FALSE(PropertyListFile::dictionaryWithContentsOfFile(path).has_value())
        << "not a dictionary";
    EXPECT_FALSE(PropertyListFile::writeToFile(written, "/no/such/folder/x.plist",
                                               PropertyListFile::Write::Atomically));
}

TEST(DeviceRootTest, PathsNeverLeaveTheRoot) {
    TemporaryDeviceRoot root;
    EXPECT_EQ(root / "/../../etc/passwd", root.path() / "etc" / "passwd");
    EXPECT_EQ(root / "Library//PreferenceBundles/./Plakko.bundle",
              root.path() / "Library/PreferenceBundles/Plakko.bundle");
    EXPECT_EQ(root / "/", root.path());
}
