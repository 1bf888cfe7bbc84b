#include <gtest/gtest.h>

#include "platform/foundation/NSAssertionHandler.h"

namespace {

void initWithView(const void* view) {
    NSAssert(view != nullptr, "View must not be nil.");
}

}  // namespace

TEST(AssertionHandlerTest, ThrowsInTestsNamingFunctionUnitAndDescription) {
    try {
        initWithView(nullptr);
        FAIL() << "the assertion did not fire";
    } catch (const AssertionFailure& failure) {
        EXPECT_STREQ(
            failure.what(),
            "*** Assertion failure in initWithView, AssertionHandlerTests: View must not be nil. "
            "(view != nullptr)");
    }
    int view = 0;
    EXPECT_NO_THROW(initWithView(&view));
}

TEST(AssertionHandlerDeathTest, AbortsByDefaultAfterLoggingTheFailure) {
    EXPECT_DEATH(
        {
            NSAssertionHandler::setThrowsForTesting(false);
            initWithView(nullptr);
        },
        "\\*\\*\\* Assertion failure in initWithView, AssertionHandlerTests");
}
