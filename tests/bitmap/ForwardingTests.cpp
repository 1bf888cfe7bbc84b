#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/runtime/Runtime.h"
#include "prefs/bitmap/BitmapContextManipulator.h"
#include "prefs/bitmap/BitmapCropManipulator.h"
#include "prefs/bitmap/BitmapDrawManipulator.h"
#include "prefs/bitmap/BitmapScaleManipulator.h"
#include "tests/bitmap/BitmapProbe.h"

namespace {

std::string className(const std::shared_ptr<BitmapContextManipulator>& manipulator) {
    return class_getName(object_getClass(manipulator.get()));
}

TEST(ImageBitmapRepForwarding, MakesAllFourManipulatorsAtTheFirstCallAndKeepsThem) {
    const auto rep = ImageBitmapRep::initWithSize({4, 4});
    EXPECT_TRUE(rep->baseClasses().empty());
    rep->setPixel_atPoint(kRed, {0, 0});  // pixel work is the rep's own
    EXPECT_TRUE(rep->baseClasses().empty());

    rep->setSize({2, 2});
    const auto manipulators = rep->baseClasses();
    ASSERT_EQ(manipulators.size(), 4u);
    EXPECT_EQ(className(manipulators[0]), "BitmapCropManipulator");
    EXPECT_EQ(className(manipulators[1]), "BitmapScaleManipulator");
    EXPECT_EQ(className(manipulators[2]), "BitmapRotationManipulator");
    EXPECT_EQ(className(manipulators[3]), "BitmapDrawManipulator");
    for (const auto& manipulator : manipulators) EXPECT_EQ(manipulator->bitmapContext(), rep);

    rep->rotate(90);
    rep->cropFrame(CGRectMake(0, 0, 1, 1));
    EXPECT_EQ(rep->baseClasses(), manipulators);
}

TEST(ImageBitmapRepForwarding, TheFirstManipulatorInOrderThatImplementsACallRunsIt) {
    // A selector of the test's own, given to two of the four classes.
    BitmapScaleManipulator::classObject()->addMethod(
        "whoAnswersForTesting", +[](id, SEL) { return std::string("scale"); });
    BitmapDrawManipulator::classObject()->addMethod(
        "whoAnswersForTesting", +[](id, SEL) { return std::string("draw"); });
    const auto rep = ImageBitmapRep::initWithSize({1, 1});
    EXPECT_EQ(rep->forwardInvocation<std::string()>("whoAnswersForTesting"), "scale");
}

TEST(ImageBitmapRepForwarding, ACallNoManipulatorImplementsIsAnUnrecognisedSelector) {
    const auto rep = ImageBitmapRep::initWithSize({1, 1});
    try {
        rep->forwardInvocation<void(double)>("sharpen:", 0.5);
        FAIL() << "the call went through";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(),
                     "-[ImageBitmapRep sharpen:]: unrecognized selector sent to instance");
    }
    EXPECT_EQ(rep->baseClasses().size(), 4u);
}

TEST(ImageBitmapRepForwarding, ManipulatorsAnswerThroughTheRuntimeAndOutliveNothing) {
    auto rep = solidRep(4, 4, kRed);
    rep->cropFrame(CGRectMake(0, 0, 4, 4));
    const auto crop = rep->baseClasses()[0];
    msgSend<void(CGRect)>(crop.get(), "cropFrame:", CGRectMake(0, 0, 2, 3));
    EXPECT_EQ(rep->bitmapSize(), BMPointMake(2, 3));

    rep.reset();
    EXPECT_EQ(crop->bitmapContext(), nullptr);
    EXPECT_EQ(crop->bitmapSize(), BMPointMake(0, 0));
    EXPECT_EQ(crop->context(), nullptr);
    static_cast<BitmapCropManipulator&>(*crop).cropFrame(CGRectMake(0, 0, 1, 1));
    EXPECT_EQ(crop->CGImage(), nullptr);
}

}  // namespace
