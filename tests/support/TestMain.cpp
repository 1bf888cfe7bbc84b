#include <gtest/gtest.h>

#include "platform/foundation/NSAssertionHandler.h"

// Every test program reports broken preconditions as exceptions instead of aborting.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    NSAssertionHandler::setThrowsForTesting(true);
    return RUN_ALL_TESTS();
}
