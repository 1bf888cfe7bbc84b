// Renders the progress HUD in each of its looks over a plain backdrop, headless on virtual time,
// one PNG per look: hud-gallery OUTPUT_FOLDER
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/layers/Compositor.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UIWindow.h"
#include "tests/tools/GallerySupport.h"
#include "tweak/hud/ProgressHUD.h"

namespace {

constexpr CGSize kScreen{320, 480};
constexpr CGFloat kScale = 2;

struct Look {
    std::string name;
    std::function<void(ProgressHUD&)> configure;
};

std::function<void(ProgressHUD&)> progressLook(ProgressHUDMode mode, float progress) {
    return [mode, progress](ProgressHUD& hud) {
        hud.setMode(mode);
        hud.setProgress(progress);
        hud.setLabelText("Loading");
    };
}

std::shared_ptr<UIImageView> checkMark() {
    UIGraphicsBeginImageContextWithOptions({37, 37}, false, 0);
    const CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextSetRGBStrokeColor(context, 1, 1, 1, 1);
    CGContextSetLineWidth(context, 4);
    CGContextSetLineCap(context, kCGLineCapRound);
    CGContextSetLineJoin(context, kCGLineJoinRound);
    CGContextMoveToPoint(context, 6, 19);
    CGContextAddLineToPoint(context, 15, 28);
    CGContextAddLineToPoint(context, 31, 9);
    CGContextStrokePath(context);
    auto view = std::make_shared<UIImageView>(CGRectMake(0, 0, 37, 37));
    view->setImage(UIGraphicsGetImageFromCurrentImageContext());
    UIGraphicsEndImageContext();
    return view;
}

const std::vector<Look>& looks() {
    static const std::vector<Look> all = {
        {"indeterminate", [](ProgressHUD& hud) { hud.setLabelText("Loading"); }},
        {"pie-25", progressLook(ProgressHUDModePie, 0.25f)},
        {"ring-50", progressLook(ProgressHUDModeAnnular, 0.5f)},
        {"bar-05", progressLook(ProgressHUDModeBar, 0.05f)},
        {"bar-50", progressLook(ProgressHUDModeBar, 0.5f)},
        {"bar-95", progressLook(ProgressHUDModeBar, 0.95f)},
        {"custom-view",
         [](ProgressHUD& hud) {
             hud.setCustomView(checkMark());
             hud.setMode(ProgressHUDModeCustomView);
             hud.setLabelText("Completed");
         }},
        {"text-only",
         [](ProgressHUD& hud) {
             hud.setMode(ProgressHUDModeText);
             hud.setLabelText("Saved");
         }},
        {"details",
         [](ProgressHUD& hud) {
             hud.setLabelText("Exporting");
             hud.setDetailsLabelText(
                 "Your note is being copied to the Notes app. It takes a "
                 "moment on older devices.");
         }},
        {"dimmed",
         [](ProgressHUD& hud) {
             hud.setDimBackground(true);
             hud.setLabelText("Loading");
         }},
        {"square",
         [](ProgressHUD& hud) {
             hud.setSquare(true);
             hud.setLabelText("Wait");
         }},
    };
    return all;
}

bool render(const Look& look, const std::filesystem::path& folder) {
    auto window = std::make_shared<UIWindow>(CGRect{{0, 0}, kScreen});
    window->setBackgroundColor(UIColor::colorWithRed_green_blue_alpha(0.33, 0.56, 0.78, 1));
    const auto hud = ProgressHUD::showHUDAddedTo_animated(window, false);
    look.configure(*hud);
    NSRunLoop::mainRunLoop().runOneTurn();

    Compositor compositor(static_cast<size_t>(kScreen.width * kScale),
                          static_cast<size_t>(kScreen.height * kScale), kScale);
    compositor.renderFrame({window->layer()});
    return writeGalleryScreen(compositor, folder, look.name, "hud-gallery");
}

}  // namespace

int main(int argc, char** argv) {
    return runGallery(argc, argv, "hud-gallery", kScreen, kScale,
                      [](const std::filesystem::path& folder) {
                          bool allWritten = true;
                          for (const Look& look : looks())
                              allWritten = render(look, folder) && allWritten;
                          return allWritten;
                      });
}
