#include "tests/scenario/LockScreenScenario.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "common/SettingsKeys.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/graphics/PNGCodec.h"
#include "sim/SimulatorCommand.h"

namespace {

constexpr double kScreenScale = 2;

// The last view of the tree, depth first, that `matches`.
const nlohmann::json* lastView(const nlohmann::json& view,
                               const std::function<bool(const nlohmann::json&)>& matches) {
    const nlohmann::json* found = matches(view) ? &view : nullptr;
    if (view.contains("subviews")) {
        for (const auto& subview : view["subviews"]) {
            if (const nlohmann::json* inner = lastView(subview, matches)) found = inner;
        }
    }
    return found;
}

const nlohmann::json* lastInTree(const nlohmann::json& tree,
                                 const std::function<bool(const nlohmann::json&)>& matches) {
    const nlohmann::json* found = nullptr;
    if (!tree.is_object() || !tree.contains("windows")) return found;
    for (const auto& window : tree["windows"]) {
        if (const nlohmann::json* inner = lastView(window, matches)) found = inner;
    }
    return found;
}

bool showsImage(const nlohmann::json& view, const std::string& image) {
    return view.contains("image") && view["image"] == image;
}

}  // namespace

bool ScreenPixel::isNear(ScreenPixel other, int tolerance) const {
    return std::abs(r - other.r) <= tolerance && std::abs(g - other.g) <= tolerance &&
           std::abs(b - other.b) <= tolerance;
}

void PrintTo(const ScreenPixel& pixel, std::ostream* out) {
    *out << "rgb(" << pixel.r << ", " << pixel.g << ", " << pixel.b << ")";
}

LockScreenScenario::LockScreenScenario() {
    std::filesystem::create_directories(root_ / "/var/mobile/Library/Preferences");
}

void LockScreenScenario::writePreferences(const PlistDictionary& settings) {
    ASSERT_TRUE(PropertyListFile::writeToFile(settings, Settings::kFile,
                                              PropertyListFile::Write::Atomically));
}

void LockScreenScenario::runScript(const std::string& script, DeviceProfileName device,
                                   const char* scene) {
    const std::string scriptFile = (root_.path() / "script.txt").string();
    std::ofstream(scriptFile) << script;
    std::istringstream in;
    std::ostringstream out, err;
    const int status =
        runSimulator({"--root", root_.path().string(), "--device", device.device, "--ios",
                      device.system, "--scene", scene, "--script", scriptFile},
                     in, out, err, {nullptr, PLAKKO_SIM});
    ASSERT_EQ(status, 0) << err.str();
}

ProcessResult LockScreenScenario::runProcess(const std::string& script, DeviceProfileName device) {
    const auto file = [this](const char* name) { return (root_.path() / name).string(); };
    std::ofstream(file("script.txt")) << script;
    const std::string command = std::string("'") + PLAKKO_SIM + "' --root '" +
                                root_.path().string() + "' --device " + device.device + " --ios " +
                                device.system + " --script - < '" + file("script.txt") + "' 2> '" +
                                file("err.txt") + "'";
    const int status = std::system(command.c_str());
    std::stringstream err;
    err << std::ifstream(file("err.txt")).rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err.str()};
}

std::vector<int> LockScreenScenario::appProcessesOnThisDevice() const {
    std::vector<int> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::stringstream arguments;
        arguments << std::ifstream(entry.path() / "cmdline").rdbuf();
        const std::string command = arguments.str();
        // Arguments are NUL-separated: "app" stands alone, the root is one of them.
        if (command.find(std::string("\0app\0", 5)) != std::string::npos &&
            command.find(root_.path().string()) != std::string::npos) {
            found.push_back(std::stoi(name));
        }
    }
    return found;
}

std::string LockScreenScenario::output(const std::string& name) const {
    return "\"" + (root_.path() / name).string() + "\"";
}

PlistDictionary LockScreenScenario::preferences() const {
    return PropertyListFile::dictionaryWithContentsOfFile(Settings::kFile)
        .value_or(PlistDictionary{});
}

nlohmann::json LockScreenScenario::tree(const std::string& name) const {
    std::ifstream in(root_.path() / name);
    return nlohmann::json::parse(in, nullptr, false);
}

CGImageRef LockScreenScenario::screenshot(const std::string& name) const {
    return PNGCodec::readFile((root_.path() / name).string());
}

ScreenPixel LockScreenScenario::pixelAt(const std::string& shot, double x, double y) const {
    const CGImageRef image = screenshot(shot);
    if (!image) {
        ADD_FAILURE() << "no screenshot " << shot;
        return {};
    }
    const std::uint32_t pixel = image->pixelAt(static_cast<size_t>(x * kScreenScale),
                                               static_cast<size_t>(y * kScreenScale));
    return {static_cast<int>((pixel >> 16) & 0xff), static_cast<int>((pixel >> 8) & 0xff),
            static_cast<int>(pixel & 0xff)};
}

size_t LockScreenScenario::differingPixels(const std::string& shot, const std::string& other,
                                           double x, double y, double rectWidth,
                                           double rectHeight) const {
    constexpr int kTolerance = 8;
    const CGImageRef first = screenshot(shot), second = screenshot(other);
    if (!first || !second) {
        ADD_FAILURE() << "no screenshot " << (first ? other : shot);
        return 0;
    }
    // The rectangle in pixels, kept inside both pictures.
    const auto toPixel = [](double points, size_t limit) {
        return std::min(static_cast<size_t>(std::max(points, 0.0) * kScreenScale), limit);
    };
    const size_t width = std::min(first->width(), second->width());
    const size_t height = std::min(first->height(), second->height());
    size_t count = 0;
    for (size_t row = toPixel(y, height); row < toPixel(y + rectHeight, height); ++row) {
        for (size_t column = toPixel(x, width); column < toPixel(x + rectWidth, width); ++column) {
            const std::uint32_t a = first->pixelAt(column, row), b = second->pixelAt(column, row);
            for (int shift : {0, 8, 16}) {
                if (std::abs(static_cast<int>((a >> shift) & 0xff) -
                             static_cast<int>((b >> shift) & 0xff)) > kTolerance) {
                    ++count;
                    break;
                }
            }
        }
    }
    return count;
}

const nlohmann::json* lastViewOfClass(const nlohmann::json& tree, const std::string& className) {
    return lastInTree(tree, [&](const nlohmann::json& view) { return view["class"] == className; });
}

namespace NoteInTree {

const nlohmann::json* note(const nlohmann::json& tree) {
    return lastInTree(tree, [](const nlohmann::json& view) {
        for (const auto& subview : view["subviews"]) {
            if (showsImage(subview, "delete@2x.png")) return true;
        }
        return false;
    });
}

const nlohmann::json* hideButton(const nlohmann::json& tree) {
    return lastInTree(tree,
                      [](const nlohmann::json& view) { return showsImage(view, "hide@2x.png"); });
}

const nlohmann::json* part(const nlohmann::json& tree, const std::string& image) {
    const nlohmann::json* noteView = note(tree);
    return noteView ? lastView(*noteView,
                               [&](const nlohmann::json& view) { return showsImage(view, image); })
                    : nullptr;
}

const nlohmann::json* textView(const nlohmann::json& tree) {
    const nlohmann::json* noteView = note(tree);
    return noteView
               ? lastView(*noteView,
                          [](const nlohmann::json& view) { return view["class"] == "UITextView"; })
               : nullptr;
}

}  // namespace NoteInTree
