#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/PlistValue.h"
#include "platform/graphics/CGImage.h"
#include "tests/support/TemporaryDeviceRoot.h"

// One simulated device, as plakko-sim's --device and --ios name it.
struct DeviceProfileName {
    const char* device;
    const char* system;
};
inline constexpr DeviceProfileName kIPhone5System7{"iphone5", "7.0.4"};
inline constexpr DeviceProfileName kIPhone4SSystem7{"iphone4s", "7.0.4"};
inline constexpr DeviceProfileName kIPhone4SSystem6{"iphone4s", "6.1.3"};
inline constexpr DeviceProfileName kIPadSystem7{"ipad", "7.0.4"};
inline constexpr DeviceProfileName kIPadSystem6{"ipad", "6.1.3"};

// A screen pixel, not premultiplied away: the screen is opaque.
struct ScreenPixel {
    int r, g, b;
    bool isNear(ScreenPixel other, int tolerance) const;
};
void PrintTo(const ScreenPixel& pixel, std::ostream* out);

// How a plakko-sim process ended: its exit status (-1 when a signal ended it) and its errors.
struct ProcessResult {
    int status;
    std::string err;
};

// A headless plakko-sim run of SpringBoard, locked, with the built tweak installed, in a fresh
// device root: a test writes the preference file, runs one script and reads back what it left.
// SpringBoard is one per process, so each test runs the simulator once.
class LockScreenScenario : public testing::Test {
protected:
    LockScreenScenario();

    // The preference file as SpringBoard will find it at boot (no defaults are then written).
    void writePreferences(const PlistDictionary& settings);
    // Runs `script` on `device` in `scene` (plakko-sim's --scene), its apps opening in processes
    // of the built plakko-sim; the test fails unless the run succeeds.
    void runScript(const std::string& script, DeviceProfileName device = kIPhone5System7,
                   const char* scene = "springboard");
    // Runs plakko-sim in a process of its own (a respring starts it again) with the script on
    // its standard input.
    ProcessResult runProcess(const std::string& script, DeviceProfileName device = kIPhone5System7);

    // The app processes (plakko-sim app) still running on this test's device root.
    std::vector<int> appProcessesOnThisDevice() const;
    // A script argument naming an output file `name` in the device root folder.
    std::string output(const std::string& name) const;
    PlistDictionary preferences() const;
    nlohmann::json tree(const std::string& name) const;
    CGImageRef screenshot(const std::string& name) const;
    // The pixel at screen point (x, y) of a screenshot taken at scale 2.
    ScreenPixel pixelAt(const std::string& shot, double x, double y) const;
    // How many pixels of the screen rectangle (x, y, width, height), in points, differ between
    // two screenshots by more than a small tolerance in some channel.
    size_t differingPixels(const std::string& shot, const std::string& other, double x, double y,
                           double width, double height) const;

    TemporaryDeviceRoot root_;
};

// The last view of class `className` in a tree dump, depth first, back to front; null if none.
const nlohmann::json* lastViewOfClass(const nlohmann::json& tree, const std::string& className);

// Views of the note in a tree dump; null when the dump holds no note.
namespace NoteInTree {
// The note: the last view holding the delete button.
const nlohmann::json* note(const nlohmann::json& tree);
// The hide button: the last view showing the hide image.
const nlohmann::json* hideButton(const nlohmann::json& tree);
// The note's part showing `image` ("delete@2x.png", "export@2x.png", "keyboard@2x.png").
const nlohmann::json* part(const nlohmann::json& tree, const std::string& image);
const nlohmann::json* textView(const nlohmann::json& tree);
}  // namespace NoteInTree
