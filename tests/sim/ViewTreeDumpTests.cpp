#include <gtest/gtest.h>

#include <functional>

#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIAlertView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "sim/ViewTreeDump.h"
#include "tests/support/TemporaryDeviceRoot.h"

TEST(ViewTreeDumpTest, ViewsReportModelGeometryAndTheFilesTheirImagesCameFrom) {
    TemporaryDeviceRoot folder;
    const auto pixels = std::make_shared<CGImage>(4, 2, std::vector<uint32_t>(8, 0xFF336699), true);
    const std::string file = (folder.path() / "Badge.png").string();
    ASSERT_TRUE(PNGCodec::writeFile(*pixels, file));

    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    auto container = std::make_shared<UIView>(CGRectMake(10, 20, 100, 50));
    container->setAlpha(0.85);
    container->setHidden(true);
    auto fromFile = std::make_shared<UIImageView>(UIImage::imageWithContentsOfFile("/Badge.png"));
    fromFile->setCenter({50, 25});
    auto drawn = std::make_shared<UIImageView>(UIImage::imageWithCGImage(pixels));
    auto empty = std::make_shared<UIImageView>(CGRectMake(0, 0, 5, 5));
    container->addSubview(fromFile);
    container->addSubview(drawn);
    window->addSubview(container);
    window->addSubview(empty);
    UIView::animateWithDuration_animations(1, [&] { container->setFrame({{30, 40}, {100, 50}}); });

    const auto dump = viewTreeDump(UIScreen::mainScreen(), {window});
    const CGRect screen = UIScreen::mainScreen().bounds();
    EXPECT_EQ(dump["screen"], (nlohmann::ordered_json{{"width", screen.size.width},
                                                      {"height", screen.size.height},
                                                      {"scale", UIScreen::mainScreen().scale()}}));
    const auto& containerDump = dump["windows"][0]["subviews"][0];
    EXPECT_EQ(containerDump["frame"], (nlohmann::ordered_json{30, 40, 100, 50}))
        << "model values, not the animation's";
    EXPECT_EQ(containerDump["alpha"], 0.85);
    EXPECT_EQ(containerDump["hidden"], true);
    EXPECT_FALSE(containerDump.contains("image"));

    const auto& imageDump = containerDump["subviews"][0];
    EXPECT_EQ(imageDump["class"], "UIImageView");
    EXPECT_EQ(imageDump["image"], "Badge.png");
    EXPECT_EQ(imageDump["frame"], (nlohmann::ordered_json{48, 24, 4, 2}));
    EXPECT_FALSE(containerDump["subviews"][1].contains("image")) << "not loaded from a file";
    EXPECT_FALSE(dump["windows"][0]["subviews"][1].contains("image")) << "no image at all";
    EXPECT_EQ(dump["windows"][0]["subviews"][1]["subviews"], nlohmann::ordered_json::array());
}

TEST(ViewTreeDumpTest, AlertsShowTheirTitleAndMessageAndFieldsTheirPlaceholder) {
    auto alert = std::make_shared<UIAlertView>("Locked", "Type the password", nullptr, "Cancel",
                                               std::vector<std::string>{"OK"});
    alert->addTextFieldWithValue_label("", "Password");
    alert->show();
    const auto dump =
        viewTreeDump(UIScreen::mainScreen(), UIApplication::sharedApplication().windows());
    alert->dismissWithClickedButtonIndex_animated(0, false);

    // The first view, depth first, holding `key`.
    const std::function<const nlohmann::ordered_json*(const nlohmann::ordered_json&,
                                                      const std::string&)>
        holding = [&](const nlohmann::ordered_json& view,
                      const std::string& key) -> const nlohmann::ordered_json* {
        if (view.contains(key)) return &view;
        for (const auto& subview : view["subviews"]) {
            if (const auto* found = holding(subview, key)) return found;
        }
        return nullptr;
    };
    const nlohmann::ordered_json* alertDump = nullptr;
    for (const auto& window : dump["windows"]) {
        if (!alertDump) alertDump = holding(window, "title");
    }
    ASSERT_NE(alertDump, nullptr);
    EXPECT_EQ((*alertDump)["class"], "UIAlertView");
    EXPECT_EQ((*alertDump)["title"], "Locked");
    EXPECT_EQ((*alertDump)["message"], "Type the password");
    const nlohmann::ordered_json* fieldDump = holding(*alertDump, "placeholder");
    ASSERT_NE(fieldDump, nullptr);
    EXPECT_EQ((*fieldDump)["class"], "UITextField");
    EXPECT_EQ((*fieldDump)["placeholder"], "Password");
}
