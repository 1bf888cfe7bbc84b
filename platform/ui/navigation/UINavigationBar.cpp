#include "platform/ui/navigation/UINavigationBar.h"

#include <algorithm>

#include "platform/graphics/CGColorSpace.h"
#include "platform/graphics/CGGradient.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/navigation/UINavigationItem.h"
#include "platform/ui/navigation/detail/NavigationBackButton.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UIScreen.h"

namespace {

constexpr char kDefaultBackTitle[] = "Back";
// Between the back button and the bar's edge, and the room the title keeps from the button.
constexpr CGFloat kClassicButtonInset = 5;
constexpr CGFloat kTitleMargin = 8;

}  // namespace

Class UINavigationBar::classObject() {
    static const Class cls =
        defineClass<UINavigationBar>("UINavigationBar", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<UINavigationBar*>(self)->drawRect(rect);
                });
            c.addMethod(
                "goBack:",
                +[](id self, SEL, UIControl*) { static_cast<UINavigationBar*>(self)->goBack(); });
        });
    return cls;
}

UINavigationBar::UINavigationBar() : UINavigationBar(CGRectZero) {}

UINavigationBar::UINavigationBar(CGRect frame)
    : UIView(frame),
      classic_(UIDevice::currentDevice().isSystemVersionBefore("7.0")),
      titleLabel_(std::make_shared<UILabel>()),
      backButton_(std::make_shared<NavigationBackButton>()) {
    layer()->setNeedsDisplayOnBoundsChange(true);
    titleLabel_->setFont(classic_ ? UIFont::boldSystemFontOfSize(20)
                                  : UIFont::boldSystemFontOfSize(17));
    titleLabel_->setTextColor(classic_ ? UIColor::whiteColor() : UIColor::blackColor());
    titleLabel_->setTextAlignment(NSTextAlignmentCenter);
    backButton_->setClassicLook(classic_);
    backButton_->setHidden(true);
}

std::shared_ptr<UINavigationItem> UINavigationBar::topItem() const {
    return items_.empty() ? nullptr : items_.back();
}

std::shared_ptr<UINavigationItem> UINavigationBar::backItem() const {
    return items_.size() < 2 ? nullptr : items_[items_.size() - 2];
}

std::shared_ptr<UIControl> UINavigationBar::backButton() const {
    return backButton_;
}

const std::string& UINavigationBar::backButtonTitle() const {
    return backButton_->title();
}

void UINavigationBar::pushNavigationItem_animated(const std::shared_ptr<UINavigationItem>& item,
                                                  bool animated) {
    if (!item) return;
    const auto self = std::static_pointer_cast<UINavigationBar>(shared_from_this());
    if (!backButtonWired_) {
        backButtonWired_ = true;
        backButton_->addTarget_action_forControlEvents(self,
                                                       "goBack:", UIControlEventTouchUpInside);
    }
    item->setNavigationBar(self);
    items_.push_back(item);
    itemsChanged(animated);
}

std::shared_ptr<UINavigationItem> UINavigationBar::popNavigationItemAnimated(bool animated) {
    if (items_.empty()) return nullptr;
    auto popped = std::move(items_.back());
    items_.pop_back();
    popped->setNavigationBar(nullptr);
    itemsChanged(animated);
    return popped;
}

void UINavigationBar::goBack() {
    auto item = topItem();
    if (!backItem()) return;
    const auto keep = shared_from_this();
    auto barDelegate = delegate();
    if (!barDelegate || barDelegate->navigationBar_shouldPopItem(this, item.get()))
        popNavigationItemAnimated(true);
}

void UINavigationBar::itemsChanged(bool animated) {
    layoutSubviews();
    if (!animated) return;
    titleLabel_->setAlpha(0);
    backButton_->setAlpha(0);
    animateWithDuration_animations(kTitleFadeDuration, [this] {
        titleLabel_->setAlpha(1);
        backButton_->setAlpha(1);
    });
}

void UINavigationBar::layoutSubviews() {
    if (!titleLabel_->superview()) {
        addSubview(titleLabel_);
        addSubview(backButton_);
    }
    const CGRect area = bounds();
    const auto back = backItem();
    backButton_->setHidden(!back);
    CGFloat reserved = 0;
    if (back) {
        backButton_->setTitle(back->title().empty() ? kDefaultBackTitle : back->title());
        const CGSize size = backButton_->sizeThatFits({area.size.width / 3, area.size.height});
        const CGFloat x = classic_ ? kClassicButtonInset : 0;
        backButton_->setFrame({{x, (area.size.height - size.height) / 2}, size});
        reserved = x + size.width + kTitleMargin;
    }
    const auto top = topItem();
    titleLabel_->setText(top ? top->title() : "");
    // Centred in the bar, clear of the back button on both sides.
    titleLabel_->setFrame(
        {{reserved, 0}, {std::max(area.size.width - 2 * reserved, 0.0), area.size.height}});
}

void UINavigationBar::drawRect(CGRect) {
    const CGRect area = bounds();
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const CGFloat line = 1 / UIScreen::mainScreen().scale();
    if (!classic_) {
        CGContextSetRGBFillColor(context, 0xF7 / 255.0, 0xF7 / 255.0, 0xF7 / 255.0, 1);
        CGContextFillRect(context, area);
        CGContextSetRGBFillColor(context, 0xB2 / 255.0, 0xB2 / 255.0, 0xB2 / 255.0, 1);
        CGContextFillRect(context, {{0, area.size.height - line}, {area.size.width, line}});
        return;
    }
    const CGFloat components[] = {0xB0 / 255.0, 0xBC / 255.0, 0xCD / 255.0, 1,
                                  0x6D / 255.0, 0x84 / 255.0, 0xA2 / 255.0, 1};
    const CGFloat locations[] = {0, 1};
    const auto gradient = CGGradientCreateWithColorComponents(CGColorSpaceCreateDeviceRGB(),
                                                              components, locations, 2);
    CGContextDrawLinearGradient(context, gradient, {0, 0}, {0, area.size.height}, 0);
    CGContextSetRGBFillColor(context, 0x2D / 255.0, 0x36 / 255.0, 0x42 / 255.0, 1);
    CGContextFillRect(context, {{0, area.size.height - line}, {area.size.width, line}});
}
