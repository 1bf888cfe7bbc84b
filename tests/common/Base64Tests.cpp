#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

#include "common/Base64.h"
#include "common/Base64Category.h"
#include "platform/foundation/NSDataBase64.h"

namespace {

std::string encode(std::string_view bytes, bool separateLines) {
    size_t length = SIZE_MAX;
    Base64Characters characters =
        NewBase64Encode(bytes.data(), bytes.size(), separateLines, &length);
    EXPECT_NE(characters, nullptr);
    EXPECT_EQ(length, std::strlen(characters.get()));
    return std::string(characters.get(), length);
}

std::string decode(std::string_view text, size_t length) {
    size_t decoded = SIZE_MAX;
    Base64Bytes bytes = NewBase64Decode(text.data(), length, &decoded);
    EXPECT_NE(bytes, nullptr);
    return std::string(reinterpret_cast<const char*>(bytes.get()), decoded);
}

std::string decode(std::string_view text) {
    return decode(text, text.size());
}

NSData randomData(size_t length, std::mt19937& random) {
    NSData data(length);
    for (auto& byte : data)
        byte = static_cast<std::uint8_t>(random());
    return data;
}

std::string_view view(const NSData& data) {
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

TEST(Base64Encode, PadsTheLastUnit) {
    EXPECT_EQ(encode("", false), "");
    EXPECT_EQ(encode("a", false), "YQ==");
    EXPECT_EQ(encode("ab", false), "YWI=");
    EXPECT_EQ(encode("abc", false), "YWJj");
    EXPECT_EQ(encode(std::string_view("\xFF\xEF\x00", 3), false), "/+8A");
}

// 48 input bytes to a line, CR LF between lines and none after the last, the padded unit on
// the last line.
TEST(Base64Encode, LinesAreTheSingleLineEncodingCutEvery64Characters) {
    std::mt19937 random(1);
    for (size_t length = 0; length < 400; ++length) {
        const NSData data = randomData(length, random);
        const std::string single = encode(view(data), false);
        std::string cut;
        for (size_t at = 0; at < single.size(); at += 64) {
            cut += (at ? "\r\n" : "") + single.substr(at, 64);
        }
        EXPECT_EQ(encode(view(data), true), cut) << "length " << length;
    }
}

TEST(Base64Decode, SkipsEveryByteOutsideTheAlphabet) {
    EXPECT_EQ(decode("YW Jj"), "abc");
    EXPECT_EQ(decode("YWJj\r\n"), "abc");
    EXPECT_EQ(decode("YQ==YQ=="), std::string("a\x06\x10"));
    EXPECT_EQ(decode("=\r\n==\n\r="), "");
    // All 192 foreign bytes, NUL included, before and between the characters and after them.
    const std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string foreign;
    for (int byte = 0; byte < 256; ++byte) {
        if (alphabet.find(static_cast<char>(byte)) == std::string_view::npos) {
            foreign += static_cast<char>(byte);
        }
    }
    ASSERT_EQ(foreign.size(), 192u);
    std::string noisy;
    for (char c : std::string_view("YWJjZA"))
        noisy += foreign + c;
    EXPECT_EQ(decode(noisy + foreign), "abcd");
}

TEST(Base64Decode, FinalGroupsOfThreeTwoOneAndNone) {
    EXPECT_EQ(decode(""), "");
    EXPECT_EQ(decode("YWJj"), "abc");
    EXPECT_EQ(decode("YWJjYWI"), "abcab");
    EXPECT_EQ(decode("YWJjYQ"), "abca");
    EXPECT_EQ(decode("YWJjY"), "abc");
    EXPECT_EQ(decode("YR=="), "a");  // the spare bits are not checked
}

TEST(Base64Decode, AllBitsSetLengthReadsUpToTheFirstNul) {
    const std::string_view text("YWJj\0YWJj", 9);
    EXPECT_EQ(decode(text, SIZE_MAX), "abc");
    EXPECT_EQ(decode(text, text.size()), "abcabc");
}

// Unlined encodings agree with the platform's strict codec; foreign bytes sprinkled anywhere
// (mid-group too, where the decoder leaves its whole-group path) change nothing.
TEST(Base64, RoundTripsAndAgreesWithThePlatformCodec) {
    std::mt19937 random(2);
    for (size_t length : {0, 1, 2, 3, 47, 48, 49, 50, 95, 96, 97, 1000, 65537}) {
        const NSData data = randomData(length, random);
        std::string single = encode(view(data), false);
        EXPECT_EQ(single, NSDataBase64::base64EncodedString(data));
        EXPECT_EQ(decode(single), view(data));
        for (int i = 0; i < 20; ++i)
            single.insert(random() % (single.size() + 1), 1, "= \n\0\xFF"[random() % 5]);
        EXPECT_EQ(decode(single), view(data));
        EXPECT_EQ(dataFromBase64String(base64EncodedString(data)), data);
    }
}

// A size that can't be represented must be refused before anything is allocated or written; a
// wrapped size would allocate a few bytes and encode far past them.
TEST(Base64, RefusesLengthsWhoseBufferSizeOverflows) {
    const char tiny[4] = {'Y', 'W', 'J', 'j'};
    const size_t wrapsToOneByte = 3 * (SIZE_MAX / 4 + 1);  // 4 × units is exactly 2^64
    for (size_t length : {wrapsToOneByte, SIZE_MAX - 2, SIZE_MAX - 1}) {
        for (bool separateLines : {false, true}) {
            size_t outputLength = 7;
            EXPECT_EQ(NewBase64Encode(tiny, length, separateLines, &outputLength), nullptr);
            EXPECT_EQ(outputLength, 7u);
        }
    }
    for (size_t length : {SIZE_MAX - 2, SIZE_MAX - 1}) {
        size_t outputLength = 7;
        EXPECT_EQ(NewBase64Decode(tiny, length, &outputLength), nullptr);
        EXPECT_EQ(outputLength, 7u);
    }
}

TEST(Base64Category, EncodesWithLinesAndDecodesOnlyAscii) {
    EXPECT_EQ(base64EncodedString(NSData(49, 'x')),
              encode(std::string(48, 'x'), false) + "\r\neA==");
    EXPECT_EQ(dataFromBase64String("YW\r\nJj"), NSData({'a', 'b', 'c'}));
    EXPECT_EQ(dataFromBase64String("YWJj\xC3\xA9"), NSData());
    EXPECT_EQ(base64EncodedString(NSData()), "");
}

}  // namespace
