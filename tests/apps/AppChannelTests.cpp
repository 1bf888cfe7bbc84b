// What SpringBoard and an app's process say to each other, and how SpringBoard tells that an app
// has gone.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "platform/apps/AppChannel.h"
#include "platform/apps/AppProcess.h"
#include "platform/apps/SharedFrameBuffer.h"

namespace {

using namespace std::chrono_literals;

struct ChannelPair {
    ChannelPair() {
        int sockets[2];
        EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets), 0);
        springBoard = std::make_unique<AppChannel>(sockets[0]);
        app = std::make_unique<AppChannel>(sockets[1]);
        raw = sockets[1];
    }
    std::unique_ptr<AppChannel> springBoard;
    std::unique_ptr<AppChannel> app;
    int raw;
};

TEST(AppChannelTest, MessagesArriveWholeWithEveryFieldAndAnyText) {
    ChannelPair pair;
    AppMessage touch(AppMessageKind::FingerMoved, 788918400.25);
    touch.finger = 3;
    touch.x = 12.5;
    touch.y = -4;
    touch.text = std::string("a\0b\n\xff", 5);
    AppMessage dump(AppMessageKind::Done, 1);
    dump.text.assign(3 << 20, 'x');  // larger than a socket's buffer: written while read
    std::thread sender([&] {
        pair.springBoard->send(touch);
        pair.springBoard->send(dump);
    });
    const AppMessage first = pair.app->receive(5s);
    const AppMessage second = pair.app->receive(5s);
    sender.join();
    EXPECT_EQ(first.kind, AppMessageKind::FingerMoved);
    EXPECT_EQ(first.time, 788918400.25);
    EXPECT_EQ(first.finger, 3);
    EXPECT_EQ(first.x, 12.5);
    EXPECT_EQ(first.y, -4);
    EXPECT_EQ(first.text, touch.text);
    EXPECT_EQ(second.text.size(), dump.text.size());
}

TEST(AppChannelTest, SilenceAClosedEndAndNonsenseBreakTheChannel) {
    ChannelPair silent;
    EXPECT_THROW(silent.app->receive(50ms), AppChannel::Broken);

    ChannelPair closed;
    closed.springBoard->close();
    EXPECT_THROW(closed.app->receive(), AppChannel::Broken);
    EXPECT_THROW(closed.app->send(AppMessage(AppMessageKind::Done)), AppChannel::Broken)
        << "no SIGPIPE either";

    ChannelPair garbage;
    const std::string nonsense(64, '\xff');  // a huge length and an unknown kind
    ASSERT_EQ(write(garbage.raw, nonsense.data(), nonsense.size()),
              static_cast<ssize_t>(nonsense.size()));
    EXPECT_THROW(garbage.springBoard->receive(1s), AppChannel::Broken);
}

TEST(AppMessageWordsTest, WordsRoundTripAndDamagedListsAreRefused) {
    const std::vector<std::string> words{"tap-row", "Choose Note Colour", "", "7:x",
                                         std::string("\0\n", 2)};
    EXPECT_EQ(decodeWords(encodeWords(words)), words);
    EXPECT_TRUE(decodeWords("").empty());
    for (const char* damaged :
         {"3:ab", "x:ab", "2ab", "5", ":", "-1:a", "99999999999999999999:a"}) {
        EXPECT_THROW(decodeWords(damaged), std::invalid_argument) << damaged;
    }
}

TEST(SharedFrameBufferTest, BothMappingsSeeTheSamePixelsAndAShortFileIsRefused) {
    SharedFrameBuffer made(4, 3);
    SharedFrameBuffer mapped(dup(made.descriptor()), 4, 3);
    made.pixels()[11] = 0xff336699;
    EXPECT_EQ(mapped.pixels()[11], 0xff336699u);
    EXPECT_THROW(SharedFrameBuffer(dup(made.descriptor()), 40, 30), std::runtime_error);
}

TEST(AppProcessHandleTest, AProcessThatEndsOrNeverAnswersFailsItsRequestAndIsReaped) {
    AppProcess ends({"/bin/true"}, 2, 2);
    try {
        ends.request(AppMessage(AppMessageKind::Launch), 5s);
        FAIL() << "an ended process answered";
    } catch (const AppProcess::Failed& failure) {
        EXPECT_STREQ(failure.what(), "exited with status 0");
    }
    EXPECT_EQ(ends.pid(), -1);

    AppProcess silent({"/bin/sleep", "30"}, 2, 2);
    const auto started = std::chrono::steady_clock::now();
    try {
        silent.request(AppMessage(AppMessageKind::Launch), 200ms);
        FAIL() << "a sleeping process answered";
    } catch (const AppProcess::Failed& failure) {
        EXPECT_STREQ(failure.what(), "stopped answering and was ended");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    EXPECT_EQ(silent.pid(), -1);

    EXPECT_THROW(AppProcess({"/no/such/program"}, 2, 2), std::runtime_error);
}

}  // namespace
