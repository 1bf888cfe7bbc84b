#include "platform/settings/PSEditableTableCell.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/foundation/SystemLog.h"
#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSValueText.h"
#include "platform/ui/tables/TableLook.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UILabel.h"

namespace {

constexpr CGFloat kGap = 12;

UIKeyboardType keyboardFor(const PSSpecifier& specifier) {
    const std::string keyboard = specifier.stringProperty("keyboard").value_or("");
    if (specifier.boolProperty("isDecimalPad", false)) return UIKeyboardTypeDecimalPad;
    if (keyboard == "numbers" || specifier.boolProperty("isNumeric", false))
        return UIKeyboardTypeNumbersAndPunctuation;
    if (keyboard == "phone") return UIKeyboardTypePhonePad;
    if (keyboard == "email") return UIKeyboardTypeEmailAddress;
    if (keyboard == "url") return UIKeyboardTypeURL;
    return UIKeyboardTypeDefault;
}

// The whole text as a finite number, blanks around it allowed.
std::optional<float> parseNumber(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+') ++begin;
    float number = 0;
    const auto [stop, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || stop != end || !std::isfinite(number)) return std::nullopt;
    return number;
}

}  // namespace

Class PSEditableTableCell::classObject() {
    static const Class cls =
        defineClass<PSEditableTableCell>("PSEditableTableCell", PSTableCell::classObject());
    return cls;
}

PSEditableTableCell::PSEditableTableCell() = default;

void PSEditableTableCell::initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                                        std::string reuseIdentifier) {
    PSTableCell::initWithStyle_reuseIdentifier(style, std::move(reuseIdentifier));
    textField_ = std::make_shared<UITextField>();
    textField_->setDelegate(std::shared_ptr<UITextFieldDelegate>(shared_from_this(), this));
    contentView()->addSubview(textField_);
    setSelectionStyle(UITableViewCellSelectionStyle::None);
}

void PSEditableTableCell::refreshCellContentsWithSpecifier(const PSSpecifier& specifier) {
    PSTableCell::refreshCellContentsWithSpecifier(specifier);
    textField_->setPlaceholder(specifier.stringProperty("placeholder").value_or(""));
    textField_->setKeyboardType(keyboardFor(specifier));
    textField_->setSecureTextEntry(specifier.cellType() == PSSecureEditTextCell);
    setNeedsLayout();
}

bool PSEditableTableCell::isNumeric() const {
    return specifier() && (specifier()->boolProperty("isNumeric", false) ||
                           specifier()->boolProperty("isDecimalPad", false));
}

void PSEditableTableCell::setValue(const std::optional<PlistValue>& value) {
    shownValue_ = value;
    if (textField_) textField_->setText(value ? PSValueText::valueText(*value) : "");
}

void PSEditableTableCell::setCellEnabled(bool enabled) {
    PSTableCell::setCellEnabled(enabled);
    if (textField_) textField_->setEnabled(enabled);
}

void PSEditableTableCell::layoutSubviews() {
    PSTableCell::layoutSubviews();
    if (!textField_) return;
    const CGRect content = contentView()->bounds();
    const CGFloat inset = TableLook::current().contentInset;
    const CGFloat left = layoutLabelBeforeControl(kGap);
    textField_->setFrame(CGRectMake(
        left, 0, std::max<CGFloat>(content.size.width - inset - left, 0), content.size.height));
}

void PSEditableTableCell::textFieldDidEndEditing(UITextField* field) {
    const std::string& text = field->text();
    std::optional<float> number;
    if (!isNumeric() || (number = parseNumber(text))) {
        shownValue_ = number ? PlistValue::float32(*number) : PlistValue::string(text);
        valueChangedByUser(*shownValue_);
        return;
    }
    NSLog("Preferences: \"" + text + "\" is not a number; \"" + specifier()->name() +
          "\" keeps its value");
    setValue(shownValue_);
}

bool PSEditableTableCell::textFieldShouldReturn(UITextField* field) {
    field->resignFirstResponder();
    return false;
}
