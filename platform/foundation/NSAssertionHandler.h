#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// What a broken caller precondition throws once tests have installed the throwing handler.
class AssertionFailure : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// Receives broken preconditions. By default it logs "*** Assertion failure in FUNCTION, UNIT"
// with the description and the condition, then aborts; tests make it throw AssertionFailure.
class NSAssertionHandler {
  public:
    [[noreturn]] static void handleFailure(std::string_view function, std::string_view file,
                                           std::string_view condition,
                                           std::string_view description);
    static void setThrowsForTesting(bool throws);

    // "ProgressHUD" for ".../tweak/hud/ProgressHUD.cpp".
    static std::string sourceUnit(std::string_view file);
};

// Checked in every build, not only in debug builds.
#define NSAssert(condition, description)                                                    \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            NSAssertionHandler::handleFailure(__func__, __FILE__, #condition, description); \
        }                                                                                   \
    } while (false)
