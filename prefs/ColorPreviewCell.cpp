#include "prefs/ColorPreviewCell.h"

#include "common/SettingsStore.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "prefs/ColorPaneLayout.h"

Class ColorPreviewCell::classObject() {
    static const Class cls =
        defineClass<ColorPreviewCell>("ColorPreviewCell", PSTableCell::classObject());
    return cls;
}

ColorPreviewCell::ColorPreviewCell(ColorKeys keys) : keys_(keys) {}

void ColorPreviewCell::initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                                     std::string reuseIdentifier) {
    PSTableCell::initWithStyle_reuseIdentifier(style, std::move(reuseIdentifier));
    loadSettings();
    auto background = std::make_shared<UIView>();
    // The cell changes its own size after its layout has placed the background: the background
    // follows at once.
    background->setAutoresizingMask(UIViewAutoresizingFlexibleWidth |
                                    UIViewAutoresizingFlexibleHeight);
    setBackgroundView(background);
    layer()->setCornerRadius(ColorPaneLayout::kPreviewCornerRadius);
    background->layer()->setCornerRadius(ColorPaneLayout::kPreviewCornerRadius);
    layer()->setMasksToBounds(true);
    // An absent key reads 0: with nothing saved the preview is black.
    background->setBackgroundColor(UIColor::colorWithRed_green_blue_alpha(
        cachedFloat(keys_.red), cachedFloat(keys_.green), cachedFloat(keys_.blue), 1));
}

void ColorPreviewCell::layoutSubviews() {
    PSTableCell::layoutSubviews();
    setFrame(ColorPaneLayout::forCurrentDevice().previewFrame);
}
