#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/graphics/PNGCodec.h"
#include "platform/ui/views/UIDevice.h"
#include "sim/SimulatorCommand.h"
#include "tests/sim/LeftoverWindows.h"
#include "tests/sim/SampleScenePixels.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

struct Result {
    int status;
    std::string out, err;
};

class HeadlessScriptTest : public testing::Test {
protected:
    HeadlessScriptTest() { removeLeftoverWindows(); }

    // Runs `script` from a file in the device root folder; its relative file names land in the
    // current folder, so tests name files by their full path.
    Result runScript(const std::string& script, std::vector<std::string> options = {}) {
        std::ofstream(file("script.txt")) << script;
        options.insert(options.end(), {"--root", root_.path().string(), "--scene", "sample",
                                       "--script", file("script.txt")});
        return run(options);
    }

    Result run(const std::vector<std::string>& arguments, const std::string& input = "") {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = runSimulator(arguments, in, out, err, {nullptr, PLAKKO_SIM});
        return {status, out.str(), err.str()};
    }

    std::string file(const std::string& name) const { return (root_.path() / name).string(); }

    nlohmann::json readJSON(const std::string& name) const {
        std::ifstream in(file(name));
        return nlohmann::json::parse(in);
    }

    TemporaryDeviceRoot root_;
};

// The panel's frame on screen, in points, from a tree dump of the sample scene.
struct Frame {
    double x, y, width, height;
};

Frame panelFrame(const nlohmann::json& tree) {
    const auto& frame = tree["windows"][0]["subviews"][1]["frame"];
    return {frame[0], frame[1], frame[2], frame[3]};
}

Rgb pixelAtPoint(const CGImageRef& image, double x, double y) {
    return Rgb::of(image->pixelAt(static_cast<size_t>(x * 2), static_cast<size_t>(y * 2)));
}

// Left of the caption, in the middle of the panel's height: panel colour, never text.
Rgb panelInterior(const CGImageRef& image, const Frame& panel) {
    return pixelAtPoint(image, panel.x + 8, panel.y + panel.height / 2);
}

}  // namespace

TEST_F(HeadlessScriptTest, ScreenshotsAndTreeDumpsShowTheSceneMoving) {
    const Result result = runScript(
        "# the panel at rest, then after its first spring\n"
        "screenshot " +
        file("start.png") + "\n" + "dump-tree " + file("start.json") + "\n\n" +
        "wait 1.8  # settled, before the flip\n" + "screenshot " + file("moved.png") + "\n" +
        "dump-tree \"" + file("moved.json") + "\"\n");
    ASSERT_EQ(result.status, 0) << result.err;

    const nlohmann::json start = readJSON("start.json"), moved = readJSON("moved.json");
    EXPECT_EQ(start["screen"], (nlohmann::json{{"width", 320}, {"height", 568}, {"scale", 2}}));
    ASSERT_EQ(start["windows"].size(), 1u);
    const auto& window = start["windows"][0];
    EXPECT_EQ(window["class"], "UIWindow");
    EXPECT_EQ(window["frame"], (nlohmann::json{0, 0, 320, 568}));
    EXPECT_EQ(window["alpha"], 1);
    EXPECT_EQ(window["hidden"], false);
    ASSERT_EQ(window["subviews"].size(), 2u);
    EXPECT_EQ(window["subviews"][0]["class"], "SampleGradientView") << "back to front";
    const auto& panel = window["subviews"][1];
    EXPECT_FALSE(panel.contains("text"));
    EXPECT_FALSE(panel.contains("image"));
    const auto& caption = panel["subviews"][0];
    EXPECT_EQ(caption["class"], "SampleCaptionView");
    EXPECT_EQ(caption["frame"], (nlohmann::json{16, 16, 240, 64})) << "in the panel's coordinates";
    EXPECT_EQ(caption["text"], "Hello from Plakko");

    const Frame before = panelFrame(start), after = panelFrame(moved);
    EXPECT_GT(after.y, before.y + 100) << "the panel sprang down the screen";
    EXPECT_EQ(after.x, before.x);

    const CGImageRef startShot = PNGCodec::readFile(file("start.png"));
    const CGImageRef movedShot = PNGCodec::readFile(file("moved.png"));
    ASSERT_NE(startShot, nullptr);
    ASSERT_NE(movedShot, nullptr);
    EXPECT_EQ(startShot->width(), 640u);
    EXPECT_EQ(startShot->height(), 1136u);
    EXPECT_TRUE(panelInterior(startShot, before).isPanel());
    EXPECT_TRUE(panelInterior(startShot, after).isBackdrop());
    EXPECT_TRUE(panelInterior(movedShot, after).isPanel());
    EXPECT_TRUE(panelInterior(movedShot, before).isBackdrop());
    EXPECT_TRUE(pixelAtPoint(movedShot, 4, 2).isNear(kBackdropTop, 4));
    const Rgb underShadow =
        pixelAtPoint(movedShot, after.x + after.width / 2, after.y + after.height + 4);
    const Rgb besideShadow = pixelAtPoint(movedShot, 4, after.y + after.height + 4);
    EXPECT_LT(underShadow.b, besideShadow.b - 10) << "the panel casts a shadow downwards";
}

TEST_F(HeadlessScriptTest, ScriptErrorsNameTheirLineAndStopBeforeAnythingRuns) {
    struct Case {
        std::string script, error;
    };
    const std::vector<Case> cases = {
        {"screenshot " + file("early.png") + "\nfly away\n", ":2: unknown command \"fly\""},
        {"# comment\n\n   wait 1  # trailing\nwait\n",
         ":4: wrong number of arguments; usage: wait SECONDS"},
        {"wait 1 2\n", ":1: wrong number of arguments"},
        {"wait soon\n", ":1: \"soon\" is not a number"},
        {"wait -1\n", ":1: wait takes 0 to 86400 seconds, not -1"},
        {"wait 1e9\n", ":1: wait takes 0 to 86400 seconds"},
        {"wait nan\n", ":1: \"nan\" is not a number"},
        {"screenshot " + file("early.png") + "\ntap 10 x\n", ":2: \"x\" is not a number"},
        {"screenshot " + file("early.png") + "\ndrag 1 2 3 4 0.3 0\n", ":2: a drag takes"},
        {"screenshot " + file("early.png") + "\nkey escape\n", ":2: key takes return or"},
        {"screenshot " + file("early.png") + "\nrotate sideways\n", ":2: \"sideways\" is no"},
        {"screenshot \"open.png\n", ":1: a quoted argument is not closed"},
        {"screenshot /no/such/folder/shot.png\n", ":1: can't write the screenshot"},
        {"dump-tree /no/such/folder/tree.json\n", ":1: can't write the view tree"},
    };
    for (const Case& c : cases) {
        const Result result = runScript(c.script);
        EXPECT_EQ(result.status, 1) << c.script;
        EXPECT_EQ(result.err.find(file("script.txt") + c.error), 0u) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(file("early.png")))
        << "a bad line or argument anywhere stops the script before its first command";

    const Result fromInput = run({"--root", root_.path().string(), "--script", "-"}, "wait x\n");
    EXPECT_EQ(fromInput.status, 1);
    EXPECT_EQ(fromInput.err, "stdin:1: \"x\" is not a number\n");
}

TEST_F(HeadlessScriptTest, DeviceProfilesSetTheScreenTheIdiomAndTheSystem) {
    const std::string shotAndTree =
        "screenshot " + file("shot.png") + "\ndump-tree " + file("tree.json") + "\n";

    ASSERT_EQ(runScript(shotAndTree, {"--device", "iphone4s", "--ios", "6.1.3"}).status, 0);
    EXPECT_EQ(readJSON("tree.json")["screen"],
              (nlohmann::json{{"width", 320}, {"height", 480}, {"scale", 2}}));
    EXPECT_EQ(CGImageGetHeight(PNGCodec::readFile(file("shot.png"))), 960u);
    EXPECT_EQ(UIDevice::currentDevice().systemVersion(), "6.1.3");
    EXPECT_EQ(UIDevice::currentDevice().userInterfaceIdiom(), UIUserInterfaceIdiomPhone);

    ASSERT_EQ(runScript(shotAndTree, {"--device", "ipad"}).status, 0);
    const CGImageRef ipad = PNGCodec::readFile(file("shot.png"));
    EXPECT_EQ(CGImageGetWidth(ipad), 1536u);
    EXPECT_EQ(CGImageGetHeight(ipad), 2048u);
    EXPECT_EQ(UIDevice::currentDevice().systemVersion(), "7.0.4");
    EXPECT_EQ(UIDevice::currentDevice().userInterfaceIdiom(), UIUserInterfaceIdiomPad);
    EXPECT_EQ(readJSON("tree.json")["windows"][0]["frame"], (nlohmann::json{0, 0, 768, 1024}));

    for (const char* folder : {"Library/MobileSubstrate/DynamicLibraries",
                               "Library/PreferenceBundles", "Library/PreferenceLoader/Preferences",
                               "var/mobile/Library/Preferences", "var/mobile/Library/Notes"}) {
        EXPECT_TRUE(std::filesystem::is_directory(root_.path() / folder)) << folder;
    }
}

TEST_F(HeadlessScriptTest, BadOptionsAreRefusedClearly) {
    const std::string root = root_.path().string();
    for (const std::vector<std::string>& options : std::vector<std::vector<std::string>>{
             {"--device", "iphone3g"},
             {"--ios", "8.0"},
             {"--ios", "7.0.4.1"},
             {"--ios", "7."},
             {"--script"},
             {"--root", ""},
             {"--fly"},
             {"headless"},
             {"--zoom", "huge"},
             {"--record", "bug.txt", "--headless"},
             {"--script", "x.txt", "--record", "bug.txt"},
         }) {
        const Result result = run(options);
        EXPECT_EQ(result.status, 2) << options[0];
        EXPECT_NE(result.err.find("usage: plakko-sim"), std::string::npos) << result.err;
    }
    EXPECT_NE(run({"--device", "pixel"}).err.find("known: iphone4s|iphone5|ipad"),
              std::string::npos);

    const Result missing = run({"--root", root, "--script", file("missing.txt")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "plakko-sim: can't read the script " + file("missing.txt") + "\n");

    const Result folder = run({"--root", root, "--script", root});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err, "plakko-sim: the script " + root + " is a folder\n");

    std::ofstream(file("not-a-folder")) << "x";
    const Result blocked = run({"--root", file("not-a-folder"), "--script", "-"});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_NE(blocked.err.find("can't create the device folder"), std::string::npos) << blocked.err;
}

// --resume is how a respring hands its script to the new process, which removes the file: it
// takes only a file that plakko-sim itself could have written.
TEST_F(HeadlessScriptTest, OnlyTheSimulatorsOwnResumeFilesAreTakenAndRemoved) {
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    const auto resume = [&](const std::filesystem::path& path) {
        return run(
            {"--root", root_.path().string(), "--scene", "sample", "--resume", path.string()});
    };
    std::ofstream(file("plakko-sim-resume-abc123")) << "{}";
    const Result elsewhere = resume(file("plakko-sim-resume-abc123"));
    EXPECT_EQ(elsewhere.status, 1);
    EXPECT_NE(elsewhere.err.find("is no resume file of plakko-sim's"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(file("plakko-sim-resume-abc123")));

    const std::filesystem::path shared = temporary / "plakko-sim-resume-Shared";
    std::ofstream(shared) << "{}";
    std::filesystem::permissions(shared, std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(resume(shared).status, 1) << "others may read it: not one of ours";
    EXPECT_TRUE(std::filesystem::exists(shared));
    std::filesystem::remove(shared);

    const std::filesystem::path link = temporary / "plakko-sim-resume-Linked";
    std::filesystem::create_symlink(file("plakko-sim-resume-abc123"), link);
    EXPECT_EQ(resume(link).status, 1);
    EXPECT_TRUE(std::filesystem::exists(file("plakko-sim-resume-abc123")));
    std::filesystem::remove(link);

    const std::filesystem::path damaged = temporary / "plakko-sim-resume-Broken";
    std::ofstream(damaged) << "{\"script\": \"\xff\"}";
    std::filesystem::permissions(
        damaged, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const Result broken = resume(damaged);
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("is a damaged resume file"), std::string::npos) << broken.err;
    EXPECT_FALSE(std::filesystem::exists(damaged)) << "ours, and good for one start only";
}

TEST_F(HeadlessScriptTest, WithoutAScriptTheTourIsWrittenToAFolderItNames) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(root_.path());
    const Result result = run({"--root", root_.path().string(), "--headless"});
    std::filesystem::current_path(previous);

    ASSERT_EQ(result.status, 0) << result.err;
    const auto folder = root_.path() / "plakko-tour";
    EXPECT_NE(result.out.find(folder.string() + "/"), std::string::npos) << result.out;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1) << "one line";
    size_t screenshots = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".png") {
            ++screenshots;
            EXPECT_NE(PNGCodec::readFile(entry.path().string()), nullptr) << entry.path();
        }
    }
    EXPECT_GE(screenshots, 3u);
    std::ifstream file(folder / "view-tree.json");
    const nlohmann::json tree = nlohmann::json::parse(file);
    EXPECT_FALSE(tree["windows"].empty());
    EXPECT_EQ(tree["app"]["process"], "Notes") << "the tour opens the apps too";
}
