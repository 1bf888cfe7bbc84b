#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "common/SettingsKeys.h"
#include "common/SettingsStore.h"
#include "common/SystemVersion.h"
#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/FileIO.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/PropertyListSerialization.h"
#include "platform/foundation/SystemLog.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    SettingsStoreTest() {
        std::filesystem::create_directories((root_ / Settings::kFile).parent_path());
        settingsCache.clear();
    }

    void writeFile(const PlistDictionary& contents) {
        ASSERT_TRUE(PropertyListFile::writeToFile(contents, Settings::kFile,
                                                  PropertyListFile::Write::Atomically));
    }

    TemporaryDeviceRoot root_;
};

}  // namespace

TEST_F(SettingsStoreTest, FirstLoadWritesExactlyTheFiveDefaults) {
    writeDefaultSettings();
    auto written = PropertyListFile::dictionaryWithContentsOfFile(Settings::kFile);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, (PlistDictionary{
                            {"enabled", PlistValue::boolean(true)},
                            {"fontSize", PlistValue::float32(20)},
                            {"alpha", PlistValue::float32(1)},
                            {"duration", PlistValue::float32(3)},
                            {"animation", PlistValue::float32(3)},
                        }));
}

// Another process's write that has already reported success must survive the first-boot writer:
// "no file yet" is decided under the lock every preference write takes.
TEST_F(SettingsStoreTest, TheDefaultsWaitForAConcurrentWriterAndThenLeaveItsFileAlone) {
    const std::string file = (root_ / Settings::kFile).string();
    const int lock = ::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    std::thread defaults(writeDefaultSettings);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(std::filesystem::exists(file)) << "written without the lock";
    FileIO::writeFile(file, PropertyListSerialization::xmlData(
                                PlistValue::dictionary({{"K", PlistValue::integer(1)}})));
    ::flock(lock, LOCK_UN);
    ::close(lock);
    defaults.join();
    EXPECT_EQ(PropertyListFile::dictionaryWithContentsOfFile(Settings::kFile),
              (PlistDictionary{{"K", PlistValue::integer(1)}}));
}

TEST_F(SettingsStoreTest, AnExistingFileIsNeverTouchedEvenWhenKeysAreMissing) {
    writeFile({{"fontSize", PlistValue::float32(30)}});
    const auto before = FileIO::readFile(root_ / Settings::kFile);
    writeDefaultSettings();
    EXPECT_EQ(FileIO::readFile(root_ / Settings::kFile), before);

    loadSettings();
    EXPECT_EQ(cachedFloat(Settings::Key::animation), 0.0f) << "no hide effect matches";
    EXPECT_EQ(cachedFloat(Settings::Key::fontSize), 30.0f);
}

TEST_F(SettingsStoreTest, AFailedKeyListKeepsThePreviousCacheAndSaysSoEachTime) {
    writeFile({{"Text", PlistValue::string("kept")}, {"Y", PlistValue::float32(10)}});
    loadSettings();
    ASSERT_EQ(cachedString(Settings::Key::text), "kept");

    writeFile({});
    SystemLogCapture log;
    loadSettings();
    loadSettings();
    EXPECT_EQ(log.count("There's been an error getting the key list!"), 2u);
    EXPECT_EQ(cachedString(Settings::Key::text), "kept");

    FileIO::writeFile(root_ / Settings::kFile, "garbage");
    loadSettings();
    EXPECT_EQ(log.count("There's been an error getting the key list!"), 3u);
    EXPECT_EQ(cachedString(Settings::Key::text), "kept");
}

TEST_F(SettingsStoreTest, ALoadReplacesTheWholeCacheAndSeesOwnAndOtherWrites) {
    writeFile({{"Text", PlistValue::string("old")}, {"X", PlistValue::float32(5)}});
    loadSettings();
    writeFile({{"hidden", PlistValue::boolean(true)}});
    loadSettings();
    EXPECT_FALSE(cachedSetting(Settings::Key::text))
        << "a key gone from the domain is gone from the cache";
    EXPECT_TRUE(cachedBool(Settings::Key::hidden));
    EXPECT_FALSE(cachedBool(Settings::Key::passEnabled)) << "absent booleans read false";

    CFPreferencesSetValue(Settings::Key::alpha, PlistValue::float32(0.4f), Settings::kDomain,
                          kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
    loadSettings();
    EXPECT_FLOAT_EQ(cachedFloat(Settings::Key::alpha), 0.4f);
}

TEST(SettingsPresenceTest, FlagsFollowPresenceAndEnabledDefaultsToTrue) {
    SettingsPresence none = settingsPresence({});
    EXPECT_FALSE(none.checkEnabled || none.isSet || none.isAlpha || none.exists || none.isFontSize);
    EXPECT_TRUE(none.isEnabled);

    SettingsPresence some = settingsPresence({{"enabled", PlistValue::boolean(false)},
                                              {"Y", PlistValue::float32(0)},
                                              {"X", PlistValue::float32(3)},
                                              {"duration", PlistValue::float32(0)}});
    EXPECT_TRUE(some.checkEnabled);
    EXPECT_FALSE(some.isEnabled);
    EXPECT_TRUE(some.exists) << "present with value 0 still counts";
    EXPECT_TRUE(some.isSet);
    EXPECT_FALSE(some.isAlpha);

    EXPECT_TRUE(settingsPresence({{"enabled", PlistValue::string("YES")}}).isEnabled);
    EXPECT_FALSE(settingsPresence({{"enabled", PlistValue::array({})}}).isEnabled);
}

TEST(SystemVersionTest, BeforeSevenComparesDigitRunsAsNumbers) {
    EXPECT_TRUE(isSystemVersionBefore7("6.1.3"));
    EXPECT_TRUE(isSystemVersionBefore7("6.9.99"));
    EXPECT_FALSE(isSystemVersionBefore7("7.0"));
    EXPECT_FALSE(isSystemVersionBefore7("7.0.4"));
    EXPECT_FALSE(isSystemVersionBefore7("7.10"));
    EXPECT_FALSE(isSystemVersionBefore7("10.0"));
    EXPECT_TRUE(isSystemVersionBefore7("7")) << "a shorter string compares lower";
}
