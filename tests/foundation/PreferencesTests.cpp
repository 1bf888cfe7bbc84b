#include <gtest/gtest.h>

#include <plist/plist.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/FileIO.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/SystemLog.h"
#include "tests/support/TemporaryDeviceRoot.h"

extern char** environ;

namespace {

constexpr char kDomain[] = "com.example.test";
constexpr char kFile[] = "/var/mobile/Library/Preferences/com.example.test.plist";

// Starts the preferences writer in a process of its own.
pid_t startWriter(const TemporaryDeviceRoot& root, const std::string& prefix, int count) {
    std::string program = PREFERENCES_WRITER, rootPath = root.path().string(),
                countText = std::to_string(count);
    std::string domain = kDomain;
    char* argv[] = {program.data(),   rootPath.data(),
                    domain.data(),    const_cast<char*>(prefix.c_str()),
                    countText.data(), nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

std::optional<PlistDictionary> fileContents(const TemporaryDeviceRoot&) {
    return PropertyListFile::dictionaryWithContentsOfFile(kFile);
}

void set(const std::string& key, std::optional<PlistValue> value) {
    CFPreferencesSetValue(key, std::move(value), kDomain, kCFPreferencesCurrentUser,
                          kCFPreferencesAnyHost);
}

std::optional<std::vector<std::string>> keyList() {
    return CFPreferencesCopyKeyList(kDomain, kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
}

}  // namespace

TEST(PreferencesTest, SetsOfOneTurnReachTheFileTogetherAtItsEnd) {
    TemporaryDeviceRoot root;
    set("Text", PlistValue::string("hello"));
    set("X", PlistValue::float32(12.5f));
    set("Y", PlistValue::float32(40));
    EXPECT_FALSE(fileContents(root).has_value()) << "nothing is written before the turn ends";
    EXPECT_EQ(keyList(), (std::vector<std::string>{"Text", "X", "Y"}))
        << "but this process sees its own values";

    NSRunLoop::mainRunLoop().runOneTurn();
    auto written = fileContents(root);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 3u);
    EXPECT_FLOAT_EQ(written->at("X").floatValue(), 12.5f);

    set("X", std::nullopt);
    NSRunLoop::mainRunLoop().runOneTurn();
    EXPECT_EQ(fileContents(root)->count("X"), 0u) << "no value removes the key";
}

TEST(PreferencesTest, ASetOnAnotherThreadIsWrittenBeforeItReturns) {
    TemporaryDeviceRoot root;
    std::thread([] { set("hidden", PlistValue::boolean(true)); }).join();
    auto written = fileContents(root);
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->at("hidden").boolValue());
}

TEST(PreferencesTest, TwoProcessesWritingDifferentKeysLoseNothing) {
    TemporaryDeviceRoot root;
    constexpr int kWrites = 300;
    pid_t first = startWriter(root, "a", kWrites);
    pid_t second = startWriter(root, "b", kWrites);
    EXPECT_EQ(waitFor(first), 0);
    EXPECT_EQ(waitFor(second), 0);

    auto written = fileContents(root);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 2u * kWrites);
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_EQ(written->at("a" + std::to_string(i)).intValue(), i);
        EXPECT_EQ(written->at("b" + std::to_string(i)).intValue(), i);
    }
}

// A writer killed between making its temporary file and renaming it leaves the temporary behind;
// the next write removes such leftovers of this domain and nothing else.
TEST(PreferencesTest, AWriterKilledMidRunLeavesAReadableFileAndItsLeftoversGoAtTheNextWrite) {
    TemporaryDeviceRoot root;
    const auto folder = (root / kFile).parent_path();
    std::filesystem::create_directories(folder);
    FileIO::writeFile(folder / ".com.example.test.plist.a1B2c3", "left by a killed writer");
    FileIO::writeFile(folder / ".com.example.other.plist.a1B2c3", "another domain's");
    pid_t writer = startWriter(root, "k", 0);
    while (!fileContents(root)) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    kill(writer, SIGKILL);
    EXPECT_TRUE(WIFSIGNALED(waitFor(writer)));

    auto written = fileContents(root);
    ASSERT_TRUE(written);
    EXPECT_GT(written->size(), 0u);
    set("after", PlistValue::boolean(true));
    ASSERT_TRUE(CFPreferencesAppSynchronize(kDomain)) << "the lock died with its holder";
    EXPECT_EQ(fileContents(root)->size(), written->size() + 1);
    EXPECT_FALSE(std::filesystem::exists(folder / ".com.example.test.plist.a1B2c3"));
    EXPECT_TRUE(std::filesystem::exists(folder / ".com.example.other.plist.a1B2c3"));
}

TEST(PreferencesTest, AnotherProcessesWriteIsSeenWithoutSynchronising) {
    TemporaryDeviceRoot root;
    set("k0", PlistValue::integer(-1));
    set("mine", PlistValue::boolean(true));
    NSRunLoop::mainRunLoop().runOneTurn();
    ASSERT_EQ(keyList()->size(), 2u);

    for (int round = 1; round <= 3; ++round) {
        ASSERT_EQ(waitFor(startWriter(root, "k", round)), 0);
        auto values = CFPreferencesCopyMultiple({"k0", "mine"}, kDomain, kCFPreferencesCurrentUser,
                                                kCFPreferencesAnyHost);
        ASSERT_TRUE(values);
        EXPECT_EQ(values->at("k0").intValue(), 0) << "round " << round;
        EXPECT_EQ(keyList()->size(), static_cast<size_t>(round + 1));
    }
}

TEST(PreferencesTest, AnUnreadableFileFailsReadsAndIsKeptAsideBeforeAWrite) {
    TemporaryDeviceRoot root;
    std::filesystem::create_directories((root / kFile).parent_path());
    FileIO::writeFile(root / kFile, "not a property list");
    EXPECT_FALSE(keyList().has_value());
    EXPECT_FALSE(CFPreferencesCopyMultiple({"Text"}, kDomain, kCFPreferencesCurrentUser,
                                           kCFPreferencesAnyHost));

    SystemLogCapture log;
    set("Text", PlistValue::string("kept"));
    ASSERT_TRUE(CFPreferencesAppSynchronize(kDomain));
    EXPECT_EQ(FileIO::readFile(root / (std::string(kFile) + ".unreadable-1")),
              "not a property list");
    EXPECT_EQ(fileContents(root)->at("Text").asString() != nullptr, true);
    EXPECT_EQ(log.messages().size(), 1u);
}

TEST(PreferencesTest, ABinaryFileFromTheDeviceIsReadAndMergedIntoIt) {
    TemporaryDeviceRoot root;
    // A binary list, as a device writes its preference files.
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "enabled", plist_new_bool(1));
    plist_dict_set_item(dict, "fontSize", plist_new_real(24));
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(dict, &bytes, &length);
    std::filesystem::create_directories((root / kFile).parent_path());
    FileIO::writeFile(root / kFile, std::string(bytes, length));
    plist_to_bin_free(bytes);
    plist_free(dict);

    bool valid = false;
    EXPECT_TRUE(CFPreferencesGetAppBooleanValue("enabled", kDomain, &valid));
    EXPECT_TRUE(valid);
    set("alpha", PlistValue::float32(0.5f));
    ASSERT_TRUE(CFPreferencesAppSynchronize(kDomain));
    EXPECT_TRUE(FileIO::readFile(root / kFile)->starts_with("bplist00"));
    EXPECT_FLOAT_EQ(fileContents(root)->at("fontSize").floatValue(), 24.0f);
}

// Strings XML 1.0 can't carry come back as they were written, in a file libplist reads; bytes that
// aren't UTF-8 (a property list holds Unicode text) come back as U+FFFD, never cutting the string.
TEST(PreferencesTest, EveryStringSurvivesAWriteAndStandardReadersAcceptTheFile) {
    TemporaryDeviceRoot root;
    const std::pair<std::string, std::string> kept[] = {
        {"controls", "a\x01\x02\x1b\x7fz"},
        {"line ends", "tab\tline\ncarriage\r\n"},
        {"noncharacters", "\xEF\xBF\xBE \xEF\xBF\xBF"},
        {"key \x01\x1f", "value"},
        {"astral", "\xF0\x9F\x98\x80"},
    };
    for (const auto& [key, value] : kept) set(key, PlistValue::string(value));
    set("stray byte", PlistValue::string("x\xFFy"));
    set("lone surrogate", PlistValue::string("\xED\xA0\x80z"));
    ASSERT_TRUE(CFPreferencesAppSynchronize(kDomain));

    const std::string bytes = *FileIO::readFile(root / kFile);
    plist_t parsed = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &parsed);
    ASSERT_NE(parsed, nullptr) << "libplist reads the file";
    EXPECT_EQ(plist_dict_get_size(parsed), 7u);
    plist_free(parsed);

    auto values = fileContents(root);
    ASSERT_TRUE(values.has_value());
    for (const auto& [key, value] : kept) {
        ASSERT_TRUE(values->contains(key)) << key;
        EXPECT_EQ(*values->at(key).asString(), value) << key;
    }
    EXPECT_EQ(*values->at("stray byte").asString(), "x\xEF\xBF\xBDy");
    EXPECT_EQ(*values->at("lone surrogate").asString(), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz");
}

TEST(PreferencesTest, BooleanReadingsAndBadDomains) {
    TemporaryDeviceRoot root;
    set("number", PlistValue::float32(2));
    set("yes", PlistValue::string("YES"));
    set("junk", PlistValue::string("maybe"));
    bool valid = true;
    EXPECT_TRUE(CFPreferencesGetAppBooleanValue("number", kDomain, &valid));
    EXPECT_TRUE(CFPreferencesGetAppBooleanValue("yes", kDomain, &valid));
    EXPECT_FALSE(CFPreferencesGetAppBooleanValue("junk", kDomain, &valid));
    EXPECT_FALSE(valid);
    EXPECT_FALSE(CFPreferencesGetAppBooleanValue("absent", kDomain, &valid));
    EXPECT_FALSE(valid);
    NSRunLoop::mainRunLoop().runOneTurn();

    SystemLogCapture log;
    CFPreferencesSetValue("k", PlistValue::boolean(true), "../escape", kCFPreferencesCurrentUser,
                          kCFPreferencesAnyHost);
    EXPECT_FALSE(CFPreferencesCopyKeyList("", kCFPreferencesCurrentUser, kCFPreferencesAnyHost));
    EXPECT_FALSE(std::filesystem::exists(root.path() / "var/mobile/Library/escape.plist"));
    EXPECT_EQ(log.messages().size(), 2u);
}
