#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "platform/foundation/FileIO.h"
#include "sim/DefaultsCommand.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

struct Result {
    int status;
    std::string out, err;
};

class DefaultsCommandTest : public testing::Test {
protected:
    Result run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--root", root_.path().string()});
        std::ostringstream out, err;
        int status = runDefaultsCommand(args, out, err);
        return {status, out.str(), err.str()};
    }

    TemporaryDeviceRoot root_;
};

}  // namespace

TEST_F(DefaultsCommandTest, WritesAreReadBackReadably) {
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "fontSize", "-float", "24.5"}).status, 0);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "Text", "-string", "shopping: \"milk\""}).status,
              0);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "enabled", "-bool", "NO"}).status, 0);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "count", "-int", "-3"}).status, 0);

    Result domain = run({"read", "com.ovamo.plakko"});
    EXPECT_EQ(domain.status, 0);
    EXPECT_EQ(domain.out,
              "{\n    Text = \"shopping: \\\"milk\\\"\";\n    count = -3;\n    enabled = 0;\n    "
              "fontSize = 24.5;\n}\n");
    EXPECT_EQ(run({"read", "com.ovamo.plakko", "Text"}).out, "shopping: \"milk\"\n");
    EXPECT_EQ(run({"read"}).out.find("    com.ovamo.plakko = {"), 2u);

    EXPECT_EQ(run({"delete", "com.ovamo.plakko", "count"}).status, 0);
    EXPECT_EQ(run({"read", "com.ovamo.plakko", "count"}).status, 1);
    EXPECT_EQ(run({"delete", "com.ovamo.plakko", "count"}).status, 1);
}

TEST_F(DefaultsCommandTest, BadRequestsFailClearlyAndChangeNothing) {
    EXPECT_EQ(run({"read", "com.ovamo.plakko"}).status, 1) << "no such domain";
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "alpha", "-float", "0.5x"}).status, 1);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "alpha", "-float", "1e300"}).status, 1);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "alpha", "-float", "nan"}).status, 1);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "hidden", "-bool", "maybe"}).status, 1);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "n", "-int", "12x"}).status, 1);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "", "-int", "1"}).status, 1);
    EXPECT_EQ(run({"write", "../../etc", "k", "-int", "1"}).status, 1);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "k", "-array", "1"}).status, 2);
    EXPECT_EQ(run({"write", "com.ovamo.plakko", "k"}).status, 2);
    EXPECT_EQ(run({"frobnicate"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(root_.path() / "var"));
}

TEST_F(DefaultsCommandTest, AnUnreadableFileIsReportedAndAWriteKeepsItAside) {
    auto file = root_ / "/var/mobile/Library/Preferences/com.ovamo.plakko.plist";
    std::filesystem::create_directories(file.parent_path());
    FileIO::writeFile(file, "\x01\x02 not a plist");

    Result read = run({"read", "com.ovamo.plakko"});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.err.find("can't be read"), std::string::npos);
    EXPECT_EQ(run({"delete", "com.ovamo.plakko"}).status, 1);
    EXPECT_EQ(FileIO::readFile(file), "\x01\x02 not a plist") << "a failed delete changes nothing";

    EXPECT_EQ(run({"write", "com.ovamo.plakko", "Text", "-string", "new"}).status, 0);
    EXPECT_EQ(FileIO::readFile(file.string() + ".unreadable-1"), "\x01\x02 not a plist");
    EXPECT_EQ(run({"read", "com.ovamo.plakko", "Text"}).out, "new\n");
}

TEST_F(DefaultsCommandTest, AFifoOrADeviceAtThePreferencePathIsReportedAtOnce) {
    auto file = root_ / "/var/mobile/Library/Preferences/com.ovamo.plakko.plist";
    std::filesystem::create_directories(file.parent_path());
    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
    Result read = run({"read", "com.ovamo.plakko"});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.err.find("can't be read"), std::string::npos) << read.err;

    std::filesystem::remove(file);
    std::filesystem::create_symlink("/dev/zero", file);
    read = run({"read"});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.err.find("can't be read"), std::string::npos) << read.err;
}
