#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <string>

#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/FileIO.h"
#include "platform/foundation/PropertyListBounds.h"
#include "platform/foundation/PropertyListSerialization.h"
#include "platform/foundation/SystemLog.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

constexpr char kDomain[] = "com.example.hostile";
constexpr char kFile[] = "/var/mobile/Library/Preferences/com.example.hostile.plist";

// A binary list of `levels` arrays, each holding `fan` references to the next, and a 0 at the
// bottom: a few bytes that expand to fan^levels values when every reference is copied.
std::string sharedReferenceList(int levels, int fan) {
    std::string bytes = "bplist00";
    std::string offsets;
    for (int level = 0; level <= levels; ++level) {
        offsets += static_cast<char>(bytes.size());
        if (level == levels) {
            bytes += std::string("\x10\x00", 2);
        } else {
            bytes += static_cast<char>(0xA0 | fan);
            bytes += std::string(static_cast<size_t>(fan), static_cast<char>(level + 1));
        }
    }
    const size_t table = bytes.size();
    bytes += offsets;
    std::string trailer(32, '\0');
    trailer[6] = 1;  // offset size
    trailer[7] = 1;  // reference size
    trailer[15] = static_cast<char>(levels + 1);
    trailer[31] = static_cast<char>(table);
    return bytes + trailer;
}

std::string nestedXml(int depth) {
    std::string xml = "<?xml version=\"1.0\"?><plist version=\"1.0\">";
    for (int i = 0; i < depth; ++i) xml += "<array>";
    for (int i = 0; i < depth; ++i) xml += "</array>";
    return xml + "</plist>";
}

// A chain of `depth` one-element arrays in a binary list, each a distinct object.
std::string chainedBinaryList(int depth) {
    std::string bytes = "bplist00";
    std::string offsets;
    for (int level = 0; level <= depth; ++level) {
        const auto at = static_cast<uint32_t>(bytes.size());
        offsets += {static_cast<char>(at >> 24), static_cast<char>(at >> 16),
                    static_cast<char>(at >> 8), static_cast<char>(at)};
        if (level == depth) {
            bytes += '\x08';  // false
        } else {
            const auto next = static_cast<uint32_t>(level + 1);
            bytes += {'\xA1', static_cast<char>(next >> 24), static_cast<char>(next >> 16),
                      static_cast<char>(next >> 8), static_cast<char>(next)};
        }
    }
    const auto table = static_cast<uint64_t>(bytes.size());
    const auto objects = static_cast<uint64_t>(depth + 1);
    bytes += offsets;
    std::string trailer(32, '\0');
    trailer[6] = 4;
    trailer[7] = 4;
    for (int i = 0; i < 8; ++i) {
        trailer[15 - i] = static_cast<char>(objects >> (8 * i));
        trailer[31 - i] = static_cast<char>(table >> (8 * i));
    }
    return bytes + trailer;
}

double secondsToParse(const std::string& bytes) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(PropertyListSerialization::propertyListWithData(bytes).has_value());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(PropertyListBoundsTest, ListsThatNestOrExpandTooFarAreRefusedBeforeParsing) {
    const std::string shared = sharedReferenceList(24, 2);
    EXPECT_LT(shared.size(), 170u);
    EXPECT_LT(secondsToParse(shared), 0.5) << "2^24 copies are never made";
    EXPECT_LT(secondsToParse(nestedXml(200'000)), 2.0);
    EXPECT_LT(secondsToParse(chainedBinaryList(200'000)), 2.0);

    auto fewShared = PropertyListSerialization::propertyListWithData(sharedReferenceList(10, 2));
    ASSERT_TRUE(fewShared.has_value()) << "sharing within the limit is read";
    EXPECT_EQ(fewShared->asArray()->size(), 2u);

    using PropertyListBounds::kMaxDepth;
    EXPECT_TRUE(PropertyListSerialization::propertyListWithData(nestedXml(kMaxDepth)));
    EXPECT_FALSE(PropertyListSerialization::propertyListWithData(nestedXml(kMaxDepth + 1)));
    EXPECT_TRUE(PropertyListSerialization::propertyListWithData(chainedBinaryList(kMaxDepth)));
    EXPECT_FALSE(PropertyListSerialization::propertyListWithData(chainedBinaryList(kMaxDepth + 1)));

    EXPECT_TRUE(PropertyListBounds::xmlNestingWithin(
        "<plist><array/><!-- <array><array> --><dict ><![CDATA[<dict>]]></dict></plist>", 1));
    EXPECT_FALSE(PropertyListBounds::xmlNestingWithin("<array><dict x='1'>", 1));

    std::string cycle = sharedReferenceList(1, 1);
    cycle[9] = 0;  // the array holds itself
    EXPECT_FALSE(PropertyListBounds::binaryExpansionWithin(cycle, kMaxDepth, 100));
}

// Found by fuzzing: a string with a NUL in it tripped the plist library's assertion (an abort)
// when it was read back as a C string.
TEST(PropertyListBoundsTest, StringsWithANulNeverAbortTheReader) {
    auto trailer = [](char table) {
        return std::string(6, '\0') + "\x01\x01" + std::string(7, '\0') + "\x03" +
               std::string(15, '\0') + table;
    };
    // {"k": "a\0b"} with the value in UTF-16: read whole.
    const std::string nulValue =
        std::string("bplist00\xD1\x01\x02\x51k\x63\0a\0\0\0b\x08\x0B\x0D", 23) + trailer('\x14');
    auto value = PropertyListSerialization::propertyListWithData(nulValue);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value->asDictionary()->at("k").asString(), std::string("a\0b", 3));

    // {"a\0b": "k"}: a key the library can't hand back whole; the list is refused.
    const std::string nulKey = std::string(
                                   "bplist00\xD1\x01\x02\x53"
                                   "a\0b\x51k\x08\x0B\x0F",
                                   20) +
                               trailer('\x11');
    EXPECT_FALSE(PropertyListSerialization::propertyListWithData(nulKey).has_value());

    for (const char* xml : {"<plist><dict><key>a&#0;b</key><string/></dict></plist>",
                            "<plist><dict><key>k</key><string>a&#x000;b</string></dict></plist>"}) {
        EXPECT_FALSE(PropertyListSerialization::propertyListWithData(xml).has_value()) << xml;
    }
    EXPECT_FALSE(PropertyListSerialization::propertyListWithData(
                     std::string("<plist><string>a\0b</string></plist>", 34))
                     .has_value());
    EXPECT_TRUE(PropertyListSerialization::propertyListWithData(
        "<plist><dict><key>k</key><string>&#10;&#x30;</string></dict></plist>"));
}

// Found by fuzzing: a date read from a file can lie outside what the plist library's writer takes
// (whole seconds in an int32); converting it was undefined behaviour. It is written at the end of
// that range instead.
TEST(PropertyListBoundsTest, DatesOutsideTheWritersRangeAreWrittenAtItsEnds) {
    const PlistValue dates = PlistValue::dictionary({
        {"past", PlistValue::date(-3e9)},
        {"future", PlistValue::date(1e300)},
        {"nan", PlistValue::date(std::nan(""))},
        {"inside", PlistValue::date(-600000000.5)},
    });
    for (const std::string& written : {PropertyListSerialization::binaryData(dates),
                                       PropertyListSerialization::xmlData(dates)}) {
        auto read = PropertyListSerialization::propertyListWithData(written);
        ASSERT_TRUE(read.has_value());
        const auto& values = *read->asDictionary();
        EXPECT_EQ(values.at("past").asDate()->secondsSinceReferenceDate, INT32_MIN);
        EXPECT_NEAR(values.at("future").asDate()->secondsSinceReferenceDate, INT32_MAX, 1);
        EXPECT_EQ(values.at("nan").asDate()->secondsSinceReferenceDate, 0);
        EXPECT_NEAR(values.at("inside").asDate()->secondsSinceReferenceDate, -600000000.5, 1);
    }
}

// Each way a file at the preference path can be hostile: the service reads none of them (and
// answers at once), logs it, and the next write keeps it aside and writes a new file.
TEST(PreferencesTest, HostileFilesAreUnreadableAndReplacedByTheNextWrite) {
    using Make = void (*)(const std::filesystem::path&);
    const std::pair<const char*, Make> cases[] = {
        {"FIFO",
         [](const std::filesystem::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); }},
        {"link to /dev/zero",
         [](const std::filesystem::path& file) {
             std::filesystem::create_symlink("/dev/zero", file);
         }},
        {"17 MB file",
         [](const std::filesystem::path& file) {
             FileIO::writeFile(file, "");
             ASSERT_EQ(::truncate(file.c_str(), 17 << 20), 0);
         }},
        {"200,000 nested arrays",
         [](const std::filesystem::path& file) { FileIO::writeFile(file, nestedXml(200'000)); }},
        {"shared references 24 deep",
         [](const std::filesystem::path& file) {
             FileIO::writeFile(file, sharedReferenceList(24, 2));
         }},
    };
    for (const auto& [name, make] : cases) {
        SCOPED_TRACE(name);
        TemporaryDeviceRoot root;
        const auto file = root / kFile;
        std::filesystem::create_directories(file.parent_path());
        make(file);

        SystemLogCapture log;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(
            CFPreferencesCopyKeyList(kDomain, kCFPreferencesCurrentUser, kCFPreferencesAnyHost));
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                  2.0);
        EXPECT_EQ(log.messages().size(), 1u);

        CFPreferencesSetValue("Text", PlistValue::string("kept"), kDomain,
                              kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
        ASSERT_TRUE(CFPreferencesAppSynchronize(kDomain));
        EXPECT_TRUE(std::filesystem::exists(
            std::filesystem::symlink_status(file.string() + ".unreadable-1")));
        auto values = CFPreferencesCopyMultiple({"Text"}, kDomain, kCFPreferencesCurrentUser,
                                                kCFPreferencesAnyHost);
        ASSERT_TRUE(values.has_value());
        EXPECT_EQ(*values->at("Text").asString(), "kept");
    }
}
