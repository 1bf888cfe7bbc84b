#include "prefs/ColorWheelCell.h"

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "prefs/ColorPaneLayout.h"
#include "prefs/WheelTouchRecognizer.h"
#include "prefs/colorpicker/BrightnessSlider.h"
#include "prefs/colorpicker/ColorPickerView.h"

Class ColorWheelCell::classObject() {
    static const Class cls = defineClass<ColorWheelCell>(
        "ColorWheelCell", PSTableCell::classObject(), [](RuntimeClass& c) {
            c.addIvar("_colorPicker", &ColorWheelCell::_colorPicker);
            c.addIvar("_brightnessSlider", &ColorWheelCell::_brightnessSlider);
        });
    return cls;
}

ColorWheelCell::ColorWheelCell() = default;

void ColorWheelCell::initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                                   std::string reuseIdentifier) {
    PSTableCell::initWithStyle_reuseIdentifier(style, std::move(reuseIdentifier));
    setBackgroundView(std::make_shared<UIView>());
    setBackgroundColor(UIColor::clearColor());
    _colorPicker = std::make_shared<ColorPickerView>(CGRectZero);
    _colorPicker->addGestureRecognizer(std::make_shared<WheelTouchRecognizer>());
    addSubview(_colorPicker);
    _brightnessSlider = BrightnessSlider::initWithFrame(CGRectZero);
    _brightnessSlider->setColorPicker(_colorPicker);
    addSubview(_brightnessSlider);
}

void ColorWheelCell::layoutSubviews() {
    PSTableCell::layoutSubviews();
    _colorPicker->setFrame(ColorPaneLayout::forCurrentDevice().wheelFrame(bounds()));
    _brightnessSlider->setFrame(
        ColorPaneLayout::sliderFrame(_colorPicker->frame(), _colorPicker->bounds()));
}

std::shared_ptr<UIColor> ColorWheelCell::value() const {
    return _colorPicker->selectionColor();
}
