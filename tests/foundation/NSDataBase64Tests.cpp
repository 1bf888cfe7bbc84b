#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "platform/foundation/NSDataBase64.h"

namespace {

using NSDataBase64::base64EncodedString;
using NSDataBase64::dataWithBase64EncodedString;

NSData bytes(std::string_view text) {
    return NSData(text.begin(), text.end());
}

TEST(NSDataBase64, EncodesAndDecodesTheStandardVectors) {
    const std::pair<std::string_view, std::string_view> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {std::string_view("\xFB\xFF\x00", 3), "+/8A"}};
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(base64EncodedString(bytes(plain)), encoded);
        EXPECT_EQ(dataWithBase64EncodedString(encoded), bytes(plain)) << encoded;
    }
}

TEST(NSDataBase64, RoundTripsRandomDataOnOneLine) {
    std::mt19937 random(3);
    for (size_t length = 0; length < 300; ++length) {
        NSData data(length);
        for (auto& byte : data)
            byte = static_cast<std::uint8_t>(random());
        const std::string encoded = base64EncodedString(data);
        EXPECT_EQ(encoded.find_first_of("\r\n"), std::string::npos);
        EXPECT_EQ(dataWithBase64EncodedString(encoded), data);
    }
}

TEST(NSDataBase64, RefusesBadLengthsWhiteSpaceAndMisplacedPadding) {
    const std::string_view refused[] = {"YWJ",      "YWJjY", "YQ=",     "YQ",   "YW Jj",
                                        "YWJj\r\n", " YWJ",  "====",    "Y===", "=YWJ",
                                        "YW=j",     "Y=Q=",  "YQ==YQ=="};
    for (std::string_view text : refused)
        EXPECT_EQ(dataWithBase64EncodedString(text), std::nullopt) << text;
}

TEST(NSDataBase64, RefusesEveryByteOutsideTheAlphabet) {
    const std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (int byte = 0; byte < 256; ++byte) {
        std::string text = "YWJj";
        text[1] = static_cast<char>(byte);
        const bool inAlphabet = alphabet.find(text[1]) != std::string_view::npos;
        EXPECT_EQ(dataWithBase64EncodedString(text).has_value(), inAlphabet) << byte;
    }
}

}  // namespace
