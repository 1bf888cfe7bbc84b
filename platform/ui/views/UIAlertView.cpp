#include "platform/ui/views/UIAlertView.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/KeyboardPresenter.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/text/UIKeyboard.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIAlertViewButton.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "platform/ui/views/ControlColors.h"

namespace {

constexpr double kAnimationDuration = 0.2;
// The box grows in from this scale as it appears.
constexpr CGFloat kAppearingScale = 1.2;
constexpr CGFloat kDimmingAlpha = 0.4;
// The box keeps at least this far from the top and bottom of the screen.
constexpr CGFloat kScreenMargin = 20;
constexpr CGFloat kTextFieldFontSize = 14;

}  // namespace

Class UIAlertView::classObject() {
    static const Class cls =
        defineClass<UIAlertView>("UIAlertView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<UIAlertView*>(self)->drawRect(rect);
                });
            c.addMethod(
                "buttonTapped:", +[](id self, SEL, UIControl* button) {
                    static_cast<UIAlertView*>(self)->buttonTapped(button);
                });
        });
    return cls;
}

UIAlertView::UIAlertView() : UIAlertView("", "", nullptr, "", {}) {}

UIAlertView::UIAlertView(std::string title, std::string message,
                         const std::shared_ptr<UIAlertViewDelegate>& delegate,
                         const std::string& cancelButtonTitle,
                         const std::vector<std::string>& otherButtonTitles)
    : title_(std::move(title)), message_(std::move(message)), delegate_(delegate) {
    setBackgroundColor(UIColor::colorWithWhite_alpha(0.97, 1));
    layer()->setCornerRadius(UIAlertViewLayout::kCornerRadius);
    setClipsToBounds(true);
    if (!cancelButtonTitle.empty()) {
        hasCancelButton_ = true;
        addButton(cancelButtonTitle, true);
    }
    for (const std::string& buttonTitle : otherButtonTitles) {
        if (!buttonTitle.empty()) addButton(buttonTitle, false);
    }
}

void UIAlertView::addButton(const std::string& title, bool isCancel) {
    auto button =
        std::make_shared<UIAlertViewButton>(title, UIAlertViewLayout::buttonFont(isCancel));
    button->setTag(static_cast<int>(buttons_.size()));
    buttons_.push_back(std::move(button));
}

std::string UIAlertView::buttonTitleAtIndex(long index) const {
    const auto button = buttonAtIndex(index);
    return button ? button->title() : std::string();
}

std::shared_ptr<UIAlertViewButton> UIAlertView::buttonAtIndex(long index) const {
    if (index < 0 || index >= numberOfButtons()) return nullptr;
    return buttons_[static_cast<size_t>(index)];
}

void UIAlertView::addTextFieldWithValue_label(const std::string& value, const std::string& label) {
    if (textField_) return;
    textField_ = std::make_shared<UITextField>();
    textField_->setBorderStyle(UITextBorderStyleRoundedRect);
    textField_->setFont(UIFont::systemFontOfSize(kTextFieldFontSize));
    textField_->setText(value);
    textField_->setPlaceholder(label);
}

std::shared_ptr<UITextField> UIAlertView::textFieldAtIndex(long index) const {
    return index == 0 ? textField_ : nullptr;
}

// Showing and dismissing

void UIAlertView::show() {
    if (visible_) return;
    addParts();
    const auto window = std::make_shared<UIWindow>(UIScreen::mainScreen().bounds());
    window->setWindowLevel(UIWindowLevelAlert);
    window->setBackgroundColor(UIColor::colorWithWhite_alpha(0, kDimmingAlpha));
    window->addSubview(std::static_pointer_cast<UIView>(shared_from_this()));
    previousKeyWindow_ = UIApplication::sharedApplication().keyWindow();
    window->makeKeyAndVisible();
    visible_ = true;
    // Editing brings the keyboard up, which decides where the box goes.
    if (textField_) textField_->becomeFirstResponder();
    placeBox();
    animateIn(window);
}

void UIAlertView::addParts() {
    // A view can only be a superview once it is owned, so the parts join the box here.
    const auto self = std::static_pointer_cast<UIAlertView>(shared_from_this());
    for (const auto& button : buttons_) {
        if (button->superview()) continue;
        addSubview(button);
        button->addTarget_action_forControlEvents(self,
                                                  "buttonTapped:", UIControlEventTouchUpInside);
    }
    if (textField_ && !textField_->superview()) addSubview(textField_);
}

void UIAlertView::placeBox() {
    CGRect area = UIScreen::mainScreen().bounds();
    if (const auto keyboard = KeyboardPresenter::visibleKeyboard()) {
        const CGRect keys = keyboard->convertRect_toView(keyboard->bounds(), nullptr);
        area.size.height = std::max(CGRectGetMinY(keys) - area.origin.y, 0.0);
    }
    layout_ = UIAlertViewLayout::make({title_, message_, textField_ != nullptr, buttons_.size(),
                                       hasCancelButton_, area.size.height - 2 * kScreenMargin});
    setTransform(CGAffineTransformIdentity);
    setBounds({{0, 0}, layout_.size});
    // On whole points, so that the box's edges and hairlines stay sharp.
    const CGSize size = layout_.size;
    setCenter({area.origin.x + std::floor((area.size.width - size.width) / 2) + size.width / 2,
               area.origin.y + std::max(std::floor((area.size.height - size.height) / 2), 0.0) +
                   size.height / 2});
    setNeedsLayout();
    layoutIfNeeded();
    setNeedsDisplay();
}

void UIAlertView::animateIn(const std::shared_ptr<UIWindow>& window) {
    window->setAlpha(0);
    setTransform(CGAffineTransformMakeScale(kAppearingScale, kAppearingScale));
    UIView::animateWithDuration_animations(kAnimationDuration, [&] {
        window->setAlpha(1);
        setTransform(CGAffineTransformIdentity);
    });
}

void UIAlertView::dismissWithClickedButtonIndex_animated(long index, bool animated) {
    if (!visible_) return;
    visible_ = false;
    const auto self = std::static_pointer_cast<UIAlertView>(shared_from_this());
    if (textField_) textField_->resignFirstResponder();
    const auto window = this->window();
    UIApplication& application = UIApplication::sharedApplication();
    const auto previous = previousKeyWindow_.lock();
    const auto windows = application.windows();
    if (window && window->isKeyWindow() && previous &&
        std::find(windows.begin(), windows.end(), previous) != windows.end()) {
        application.makeKeyWindow(previous);
    }
    auto finish = [self, window, index] {
        if (window) UIApplication::sharedApplication().removeWindow(window.get());
        self->removeFromSuperview();
        if (auto delegate = self->delegate())
            delegate->alertView_didDismissWithButtonIndex(self.get(), index);
    };
    if (!animated || !window) {
        finish();
        return;
    }
    UIView::animateWithDuration_animations_completion(
        kAnimationDuration, [&] { window->setAlpha(0); },
        [finish = std::move(finish)](bool) { finish(); });
}

void UIAlertView::buttonTapped(UIControl* button) {
    if (!visible_ || button == nullptr) return;
    // The delegate may let go of the alert while it is told.
    const auto self = shared_from_this();
    const long index = button->tag();
    if (auto observer = delegate()) observer->alertView_clickedButtonAtIndex(this, index);
    dismissWithClickedButtonIndex_animated(index, true);
}

std::vector<std::shared_ptr<UIAlertView>> UIAlertView::visibleAlerts() {
    std::vector<std::shared_ptr<UIAlertView>> alerts;
    for (const auto& window : UIApplication::sharedApplication().windows()) {
        for (const auto& view : window->subviews()) {
            if (!view->isKindOfClass(classObject())) continue;
            auto alert = std::static_pointer_cast<UIAlertView>(view);
            if (alert->isVisible()) alerts.push_back(std::move(alert));
        }
    }
    return alerts;
}

// Layout and drawing

void UIAlertView::layoutSubviews() {
    for (size_t index = 0; index < buttons_.size() && index < layout_.buttonRects.size(); ++index)
        buttons_[index]->setFrame(layout_.buttonRects[index]);
    if (textField_) textField_->setFrame(layout_.textFieldRect);
}

void UIAlertView::drawRect(CGRect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    UIColor::blackColor()->setFill();
    Typesetter::drawTextInRect(context, title_, UIAlertViewLayout::titleFont(), layout_.titleRect,
                               LineBreak::WordWrap, TextAlignment::Center);
    Typesetter::drawTextInRect(context, message_, UIAlertViewLayout::messageFont(),
                               layout_.messageRect, LineBreak::WordWrap, TextAlignment::Center);
    ControlColors::track()->setFill();
    for (const CGRect& separator : layout_.separators) UIRectFill(separator);
}
