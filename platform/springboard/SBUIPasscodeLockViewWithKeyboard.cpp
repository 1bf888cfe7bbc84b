#include "platform/springboard/SBUIPasscodeLockViewWithKeyboard.h"

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/springboard/SBPasscodeKeypad.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UILabel.h"

Class SBUIPasscodeLockViewWithKeyboard::classObject() {
    static const Class cls = defineClass<SBUIPasscodeLockViewWithKeyboard>(
        "SBUIPasscodeLockViewWithKeyboard", UIView::classObject(), [](RuntimeClass& c) {
            c.addIvar("_keyboard", &SBUIPasscodeLockViewWithKeyboard::_keyboard);
        });
    return cls;
}

SBUIPasscodeLockViewWithKeyboard::SBUIPasscodeLockViewWithKeyboard(CGRect frame)
    : UIView(frame),
      title_(std::make_shared<UILabel>()),
      dots_(std::make_shared<SBPasscodeDots>()),
      _keyboard(std::make_shared<SBPasscodeKeypad>()) {
    title_->setText("Enter Passcode");
    title_->setFont(UIFont::systemFontOfSize(18));
    title_->setTextColor(UIColor::whiteColor());
    title_->setTextAlignment(NSTextAlignmentCenter);
    setBackgroundColor(UIColor::colorWithWhite_alpha(0, 0.25));
}

std::shared_ptr<SBUIPasscodeLockViewWithKeyboard> SBUIPasscodeLockViewWithKeyboard::make(
    CGRect frame) {
    auto view = std::make_shared<SBUIPasscodeLockViewWithKeyboard>(frame);
    view->addSubview(view->title_);
    view->addSubview(view->dots_);
    view->addSubview(view->_keyboard);
    return view;
}

void SBUIPasscodeLockViewWithKeyboard::layoutSubviews() {
    const CGRect bounds = this->bounds();
    const CGFloat keyboardHeight = std::min(kKeyboardHeight, bounds.size.height * 0.6);
    title_->setFrame(CGRectMake(0, bounds.size.height * 0.12, bounds.size.width, 24));
    dots_->setFrame(CGRectMake(0, bounds.size.height * 0.12 + 36, bounds.size.width, 14));
    const CGFloat keyboardWidth = std::min<CGFloat>(bounds.size.width, 280);
    _keyboard->setFrame(CGRectMake((bounds.size.width - keyboardWidth) / 2,
                                   bounds.size.height - keyboardHeight - 20, keyboardWidth,
                                   keyboardHeight));
}
