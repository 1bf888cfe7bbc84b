#include "platform/settings/PSSliderTableCell.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSValueText.h"
#include "platform/ui/tables/TableLook.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UISlider.h"

namespace {

constexpr CGFloat kGap = 10;
constexpr CGFloat kValueWidth = 48;
constexpr CGFloat kSliderHeight = 34;
constexpr float kMostSegments = 10000;

}  // namespace

Class PSSliderTableCell::classObject() {
    static const Class cls = defineClass<PSSliderTableCell>(
        "PSSliderTableCell", PSTableCell::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "sliderChanged:", +[](id self, SEL, UIControl*) {
                    static_cast<PSSliderTableCell*>(self)->sliderChanged();
                });
        });
    return cls;
}

PSSliderTableCell::PSSliderTableCell() = default;

void PSSliderTableCell::initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                                      std::string reuseIdentifier) {
    PSTableCell::initWithStyle_reuseIdentifier(style, std::move(reuseIdentifier));
    control_ = std::make_shared<UISlider>();
    control_->addTarget_action_forControlEvents(shared_from_this(),
                                                "sliderChanged:", UIControlEventValueChanged);
    contentView()->addSubview(control_);
    setSelectionStyle(UITableViewCellSelectionStyle::None);
}

void PSSliderTableCell::refreshCellContentsWithSpecifier(const PSSpecifier& specifier) {
    PSTableCell::refreshCellContentsWithSpecifier(specifier);
    control_->setMinimumValue(static_cast<float>(specifier.numberProperty("min").value_or(0)));
    control_->setMaximumValue(static_cast<float>(specifier.numberProperty("max").value_or(1)));
    control_->setContinuous(specifier.boolProperty("isContinuous", true));
    const double segments = specifier.numberProperty("segmentCount").value_or(0);
    segmentCount_ =
        specifier.boolProperty("isSegmented", false) && segments >= 1 && segments <= kMostSegments
            ? static_cast<int>(segments)
            : 0;
    if (specifier.boolProperty("showValue", false) && !valueLabel_) {
        valueLabel_ = std::make_shared<UILabel>();
        valueLabel_->setTextAlignment(NSTextAlignmentRight);
        valueLabel_->setTextColor(TableLook::current().valueColor);
        contentView()->addSubview(valueLabel_);
    }
    setNeedsLayout();
}

void PSSliderTableCell::setValue(const std::optional<PlistValue>& value) {
    if (!control_) return;
    control_->setValue(value ? value->floatValue() : control_->minimumValue());
    showValue();
}

void PSSliderTableCell::setCellEnabled(bool enabled) {
    PSTableCell::setCellEnabled(enabled);
    if (control_) control_->setEnabled(enabled);
}

std::string PSSliderTableCell::textForValue(float value) const {
    return PSValueText::numberText(value);
}

void PSSliderTableCell::layoutSubviews() {
    PSTableCell::layoutSubviews();
    if (!control_) return;
    const CGRect content = contentView()->bounds();
    const CGFloat inset = TableLook::current().contentInset;
    const CGFloat left = layoutLabelBeforeControl(kGap);
    CGFloat right = content.size.width - inset;
    if (valueLabel_) {
        valueLabel_->setFrame(CGRectMake(right - kValueWidth, 0, kValueWidth, content.size.height));
        right -= kValueWidth + kGap;
    }
    const CGFloat height = kSliderHeight;
    control_->setFrame(CGRectMake(left, (content.size.height - height) / 2,
                                  std::max<CGFloat>(right - left, 0), height));
}

float PSSliderTableCell::snapped(float value) const {
    if (segmentCount_ == 0) return value;
    const float low = control_->minimumValue(), high = control_->maximumValue();
    if (high <= low) return low;
    const float step = (high - low) / static_cast<float>(segmentCount_);
    return low + std::round((value - low) / step) * step;
}

void PSSliderTableCell::sliderChanged() {
    control_->setValue(snapped(control_->value()));
    showValue();
    valueChangedByUser(PlistValue::float32(control_->value()));
}

void PSSliderTableCell::showValue() {
    if (valueLabel_) valueLabel_->setText(textForValue(control_->value()));
}
