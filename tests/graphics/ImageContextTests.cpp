#include <gtest/gtest.h>

#include "tests/support/TemporaryDeviceRoot.h"

#include <unistd.h>
#include <filesystem>
#include <functional>
#include <numbers>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"
#include "tests/graphics/PixelProbe.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSide = 24;

// Drawing steps given in y-up coordinates. The image context runs y down, so each step is run
// there under a flip; both must then give the same picture.
struct Step {
    const char* name;
    std::function<void(const CGContextRef&)> draw;
};

const Step kSteps[] = {
    {"arc counter-clockwise",
     [](const CGContextRef& c) {
         CGContextMoveToPoint(c, 12, 12);
         CGContextAddArc(c, 12, 12, 10, 0, kPi / 2, 0);
         CGContextClosePath(c);
         CGContextFillPath(c);
     }},
    {"arc clockwise",
     [](const CGContextRef& c) {
         CGContextMoveToPoint(c, 12, 12);
         CGContextAddArc(c, 12, 12, 10, 0, kPi / 2, 1);
         CGContextClosePath(c);
         CGContextFillPath(c);
     }},
    {"rounded rectangle",
     [](const CGContextRef& c) {
         CGContextSetRGBFillColor(c, 0.2, 0.4, 0.9, 0.7);
         CGContextMoveToPoint(c, 2, 12);
         CGContextAddArcToPoint(c, 2, 22, 12, 22, 6);
         CGContextAddArcToPoint(c, 22, 22, 22, 12, 6);
         CGContextAddArcToPoint(c, 22, 2, 12, 2, 6);
         CGContextAddArcToPoint(c, 2, 2, 2, 12, 6);
         CGContextClosePath(c);
         CGContextFillPath(c);
     }},
    {"stroke and clip",
     [](const CGContextRef& c) {
         CGContextClipToRect(c, CGRectMake(0, 0, 24, 9));
         CGContextSetLineWidth(c, 3);
         CGContextSetRGBStrokeColor(c, 1, 0.5, 0, 1);
         CGContextStrokeEllipseInRect(c, CGRectMake(3, 3, 18, 12));
     }},
    {"image",
     [](const CGContextRef& c) {
         const auto image = std::make_shared<const CGImage>(
             2, 2, std::vector<uint32_t>{0xffff0000, 0xff00ff00, 0xff0000ff, 0x80808080}, false);
         CGContextDrawImage(c, CGRectMake(4, 4, 16, 16), image);
     }},
};

CGContextRef drawDirect(const Step& step) {
    const auto context = makeArgbContext(kSide, kSide);
    step.draw(context);
    return context;
}

CGContextRef drawInImageContext(const Step& step) {
    UIGraphicsBeginImageContextWithOptions({kSide, kSide}, false, 1);
    const CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextTranslateCTM(context, 0, kSide);
    CGContextScaleCTM(context, 1, -1);
    step.draw(context);
    UIGraphicsEndImageContext();
    return context;
}

TEST(ImageContexts, AgreeWithBitmapContextsStepByStep) {
    for (const Step& step : kSteps) {
        const CGContextRef direct = drawDirect(step);
        const CGContextRef image = drawInImageContext(step);
        int differing = 0;
        for (size_t row = 0; row < kSide; ++row) {
            for (size_t x = 0; x < kSide; ++x)
                differing += argbAt(direct, x, row) != argbAt(image, x, row);
        }
        EXPECT_EQ(differing, 0) << step.name;
    }
}

TEST(ImageContexts, ArcFlagIsClockwiseOnAFlippedScreen) {
    // In the image context's own y-down coordinates, flag 0 from 0 to π/2 sweeps through the
    // lower right quarter of the screen: clockwise as seen.
    UIGraphicsBeginImageContextWithOptions({kSide, kSide}, false, 1);
    const CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextMoveToPoint(context, 12, 12);
    CGContextAddArc(context, 12, 12, 10, 0, kPi / 2, 0);
    CGContextClosePath(context);
    CGContextFillPath(context);
    EXPECT_EQ(alphaAt(context, 16, 16), 255);
    EXPECT_EQ(alphaAt(context, 16, 7), 0);
    UIGraphicsEndImageContext();
}

TEST(ImageContexts, ScaleSizeAndStackFollowUIKit) {
    UIGraphicsSetMainScreenScale(2);
    UIGraphicsBeginImageContextWithOptions({10, 5}, false, 0);
    const CGContextRef outer = UIGraphicsGetCurrentContext();
    EXPECT_EQ(CGBitmapContextGetWidth(outer), 20u);
    UIColor::redColor()->setFill();
    UIRectFill(CGRectMake(0, 0, 1, 1));  // points: 2 × 2 pixels at the top-left
    UIGraphicsBeginImageContext({3, 3});
    EXPECT_NE(UIGraphicsGetCurrentContext(), outer);
    UIGraphicsEndImageContext();
    ASSERT_EQ(UIGraphicsGetCurrentContext(), outer);
    const auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->scale(), 2);
    EXPECT_EQ(image->size(), CGSizeMake(10, 5));
    EXPECT_EQ(imagePixel(image->CGImage(), 1, 1), (Argb{255, 255, 0, 0}));
    EXPECT_EQ(imagePixel(image->CGImage(), 2, 2).a, 0);
    EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr);
}

TEST(ImageContexts, EmptySizesLogAndStillPair) {
    SystemLogCapture log;
    UIGraphicsBeginImageContextWithOptions({0, 10}, false, 1);
    EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr);
    EXPECT_EQ(UIGraphicsGetImageFromCurrentImageContext(), nullptr);
    UIGraphicsEndImageContext();
    EXPECT_EQ(log.messages().size(), 1u);
    UIGraphicsEndImageContext();  // unbalanced: logged, nothing popped
    EXPECT_EQ(log.messages().size(), 2u);
}

TEST(ImageContexts, OpaqueContextsMakeOpaqueImages) {
    UIGraphicsBeginImageContextWithOptions({2, 2}, true, 1);
    const auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(CGImageGetAlphaInfo(image->CGImage()), kCGImageAlphaNoneSkipFirst);
    EXPECT_EQ(imagePixel(image->CGImage(), 0, 0), (Argb{255, 0, 0, 0}));
}

// Images live in the simulated device's file system; the codec itself works on host paths.
class ImageFiles : public testing::Test {
protected:
    std::string path(const std::string& name) const { return (root_ / devicePath(name)).string(); }
    static std::string devicePath(const std::string& name) { return "/Library/Images/" + name; }

    ImageFiles() { std::filesystem::create_directories(root_ / "/Library/Images"); }

    TemporaryDeviceRoot root_;
};

TEST_F(ImageFiles, PngRoundTripKeepsPremultipliedPixels) {
    const auto image =
        std::make_shared<const CGImage>(2, 1, std::vector<uint32_t>{0x80800000, 0xff00ff00}, false);
    ASSERT_TRUE(PNGCodec::writeFile(*image, path("a.png")));
    const CGImageRef loaded = PNGCodec::readFile(path("a.png"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(imagePixel(loaded, 0, 0), (Argb{128, 128, 0, 0}));
    EXPECT_EQ(imagePixel(loaded, 1, 0), (Argb{255, 0, 255, 0}));
    const auto bytes = PNGCodec::encode(*image);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(imagePixel(PNGCodec::decode(*bytes), 0, 0), (Argb{128, 128, 0, 0}));
}

TEST_F(ImageFiles, CorruptOrMissingFilesGiveNoImage) {
    auto bytes = *PNGCodec::encode(CGImage(4, 4, std::vector<uint32_t>(16, 0xff112233), true));
    EXPECT_EQ(PNGCodec::decode(std::span(bytes).first(bytes.size() / 2)), nullptr);
    bytes[20] ^= 0xff;
    EXPECT_EQ(PNGCodec::decode(bytes), nullptr);
    EXPECT_EQ(PNGCodec::decode({}), nullptr);
    EXPECT_EQ(UIImage::imageWithContentsOfFile(devicePath("missing.png")), nullptr);
}

TEST_F(ImageFiles, DoubleScaleFilesLoadAtScaleTwoAndArePreferred) {
    const CGImage small(4, 2, std::vector<uint32_t>(8, 0xffff0000), true);
    const CGImage large(8, 4, std::vector<uint32_t>(32, 0xff0000ff), true);
    ASSERT_TRUE(PNGCodec::writeFile(small, path("note.png")));
    ASSERT_TRUE(PNGCodec::writeFile(large, path("note@2x.png")));

    const auto explicitLarge = UIImage::imageWithContentsOfFile(devicePath("note@2x.png"));
    ASSERT_NE(explicitLarge, nullptr);
    EXPECT_EQ(explicitLarge->scale(), 2);
    EXPECT_EQ(explicitLarge->size(), CGSizeMake(4, 2));

    UIGraphicsSetMainScreenScale(2);
    const auto preferred = UIImage::imageWithContentsOfFile(devicePath("note.png"));
    EXPECT_EQ(preferred->scale(), 2);
    EXPECT_EQ(imagePixel(preferred->CGImage(), 0, 0).b, 255);

    UIGraphicsSetMainScreenScale(1);
    const auto plain = UIImage::imageWithContentsOfFile(devicePath("note.png"));
    EXPECT_EQ(plain->scale(), 1);
    EXPECT_EQ(imagePixel(plain->CGImage(), 0, 0).r, 255);
    UIGraphicsSetMainScreenScale(2);
}

}  // namespace
