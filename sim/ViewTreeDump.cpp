#include "sim/ViewTreeDump.h"

#include <cmath>

#include "platform/graphics/UIImage.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIAlertView.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "sim/ViewTextRegistry.h"

namespace {

// Alpha is kept in single precision; rounded, 0.85 reads as 0.85 and not 0.8500000238418579.
double readableAlpha(CGFloat alpha) {
    return std::round(alpha * 1e6) / 1e6;
}

const std::string* imageFileName(const UIView& view) {
    if (!view.isKindOfClass(UIImageView::classObject())) return nullptr;
    const auto& image = static_cast<const UIImageView&>(view).image();
    return image && !image->fileName().empty() ? &image->fileName() : nullptr;
}

// The words a view draws itself rather than through subviews: an alert's title and message, a
// text field's placeholder.
void addDrawnWords(const UIView& view, nlohmann::ordered_json& dump) {
    if (view.isKindOfClass(UIAlertView::classObject())) {
        const auto& alert = static_cast<const UIAlertView&>(view);
        dump["title"] = alert.title();
        dump["message"] = alert.message();
    } else if (view.isKindOfClass(UITextField::classObject())) {
        dump["placeholder"] = static_cast<const UITextField&>(view).placeholder();
    }
}

nlohmann::ordered_json viewDump(const UIView& view) {
    const CGRect frame = view.frame();
    nlohmann::ordered_json dump = {
        {"class", class_getName(view.objectClass())},
        {"frame", {frame.origin.x, frame.origin.y, frame.size.width, frame.size.height}},
        {"alpha", readableAlpha(view.alpha())},
        {"hidden", view.isHidden()},
    };
    if (auto text = ViewTextRegistry::textOf(view)) dump["text"] = *text;
    addDrawnWords(view, dump);
    if (const std::string* fileName = imageFileName(view)) dump["image"] = *fileName;
    auto subviews = nlohmann::ordered_json::array();
    for (const auto& subview : view.subviews()) subviews.push_back(viewDump(*subview));
    dump["subviews"] = std::move(subviews);
    return dump;
}

}  // namespace

nlohmann::ordered_json viewTreeDump(const UIScreen& screen,
                                    const std::vector<std::shared_ptr<UIWindow>>& windows) {
    auto windowDumps = nlohmann::ordered_json::array();
    for (const auto& window : windows) windowDumps.push_back(viewDump(*window));
    const CGSize size = screen.bounds().size;
    return {
        {"screen", {{"width", size.width}, {"height", size.height}, {"scale", screen.scale()}}},
        {"windows", std::move(windowDumps)},
    };
}
