// How the HUD builds, places and draws its parts, follows changes of its own properties (from any
// thread) and turns with the interface.
#include <cmath>
#include <numbers>
#include <typeinfo>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSNotificationCenter.h"
#include "platform/foundation/NSThread.h"
#include "platform/graphics/CGColorSpace.h"
#include "platform/graphics/CGGradient.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIActivityIndicatorView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UIWindow.h"
#include "tweak/hud/BarProgressView.h"
#include "tweak/hud/ProgressHUD.h"
#include "tweak/hud/ProgressHUDLayout.h"
#include "tweak/hud/RoundProgressView.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr CGFloat kDimmedAlpha = 0.75;

bool isKind(const std::shared_ptr<UIView>& view, Class cls) {
    return view && view->isKindOfClass(cls);
}

// Sets a progress by key, as the platform's key-value coding would: the number is given to a
// "setProgress:" that takes a float or a double; a view without one is left alone.
void setProgressByKey(UIView& view, float progress) {
    const auto setter = view.objectClass()->lookUpMethod("setProgress:");
    if (!setter) return;
    if (*setter->signature == typeid(void (*)(id, SEL, float))) {
        msgSend<void(float)>(&view, "setProgress:", progress);
    } else if (*setter->signature == typeid(void (*)(id, SEL, double))) {
        msgSend<void(double)>(&view, "setProgress:", static_cast<double>(progress));
    }
}

// Gives a view a frame the way the device's views take one through a transform: the bounds take
// the size that, transformed, covers the rectangle, so a view turned a quarter gets the
// rectangle's width as its height. Transforms that do not keep the axes apart fall back to the
// rectangle's own size.
void setFrameThroughTransform(UIView& view, CGRect frame) {
    const CGAffineTransform t = view.transform();
    // A quarter turn leaves cosines of about 1e-17: they are zero.
    const auto magnitude = [](CGFloat v) { return std::abs(v) < 1e-12 ? 0 : std::abs(v); };
    const CGFloat a = magnitude(t.a), b = magnitude(t.b), c = magnitude(t.c), d = magnitude(t.d);
    const CGFloat determinant = a * d - b * c;
    CGSize size = frame.size;
    if (std::abs(determinant) > 1e-9) {
        size = {(frame.size.width * d - frame.size.height * c) / determinant,
                (frame.size.height * a - frame.size.width * b) / determinant};
    }
    if (!(size.width >= 0 && size.height >= 0)) size = frame.size;
    view.setCenter({CGRectGetMidX(frame), CGRectGetMidY(frame)});
    view.setBounds({view.bounds().origin, size});
}

void drawDimming(const CGContextRef& context, CGSize area) {
    const CGFloat locations[] = {0, 1};
    const CGFloat components[] = {0, 0, 0, 0, 0, 0, 0, kDimmedAlpha};
    const CGGradientRef gradient = CGGradientCreateWithColorComponents(
        CGColorSpaceCreateDeviceRGB(), components, locations, 2);
    const CGPoint centre{area.width / 2, area.height / 2};
    const float radius = static_cast<float>(std::min(area.width, area.height));
    CGContextDrawRadialGradient(context, gradient, centre, 0, centre, radius,
                                kCGGradientDrawsAfterEndLocation);
}

void fillRoundedRect(const CGContextRef& context, CGRect box, CGFloat radius) {
    const CGFloat minX = CGRectGetMinX(box), maxX = CGRectGetMaxX(box);
    const CGFloat minY = CGRectGetMinY(box), maxY = CGRectGetMaxY(box);
    CGContextBeginPath(context);
    CGContextMoveToPoint(context, minX + radius, minY);
    CGContextAddArc(context, maxX - radius, minY + radius, radius, 3 * kPi / 2, 0, 0);
    CGContextAddArc(context, maxX - radius, maxY - radius, radius, 0, kPi / 2, 0);
    CGContextAddArc(context, minX + radius, maxY - radius, radius, kPi / 2, kPi, 0);
    CGContextAddArc(context, minX + radius, minY + radius, radius, kPi, 3 * kPi / 2, 0);
    CGContextClosePath(context);
    CGContextFillPath(context);
}

}  // namespace

// Parts

void ProgressHUD::setupLabels() {
    const auto makeLabel = [this](std::shared_ptr<UIFont> font, std::shared_ptr<UIColor> color,
                                  std::string text) {
        auto label = std::make_shared<UILabel>(bounds());
        label->setAdjustsFontSizeToFitWidth(false);
        label->setTextAlignment(NSTextAlignmentCenter);
        label->setOpaque(false);
        label->setBackgroundColor(UIColor::clearColor());
        label->setTextColor(std::move(color));
        label->setFont(std::move(font));
        label->setText(std::move(text));
        return label;
    };
    label_ = makeLabel(labelFont(), labelColor(), labelText());
    addSubview(label_);
    detailsLabel_ = makeLabel(detailsLabelFont(), detailsLabelColor(), detailsLabelText());
    detailsLabel_->setNumberOfLines(0);
    addSubview(detailsLabel_);
}

void ProgressHUD::updateIndicators() {
    const auto current = indicator();
    switch (const ProgressHUDMode mode = this->mode()) {
        case ProgressHUDModeIndeterminate:
            if (!isKind(current, UIActivityIndicatorView::classObject())) {
                auto spinner = std::make_shared<UIActivityIndicatorView>(
                    UIActivityIndicatorViewStyleWhiteLarge);
                spinner->startAnimating();
                replaceIndicator(std::move(spinner));
            }
            break;
        case ProgressHUDModePie:
        case ProgressHUDModeAnnular:
            // A round view is kept as it is, ring or pie.
            if (!isKind(current, RoundProgressView::classObject()))
                replaceIndicator(std::make_shared<RoundProgressView>());
            if (mode == ProgressHUDModeAnnular)
                std::static_pointer_cast<RoundProgressView>(indicator())->setAnnular(true);
            break;
        case ProgressHUDModeBar:
            replaceIndicator(std::make_shared<BarProgressView>());
            break;
        case ProgressHUDModeCustomView:
            if (customView() != current) replaceIndicator(customView());
            break;
        case ProgressHUDModeText:
            replaceIndicator(nullptr);
            break;
    }
}

void ProgressHUD::replaceIndicator(std::shared_ptr<UIView> indicator) {
    if (const auto old = indicator_.get()) old->removeFromSuperview();
    indicator_.set(indicator);
    if (indicator) addSubview(indicator);
}

// Layout and drawing

void ProgressHUD::layoutSubviews() {
    if (const auto parent = superview()) setFrameThroughTransform(*this, parent->bounds());
    const auto indicator = this->indicator();
    ProgressHUDLayout::Parameters parameters;
    parameters.bounds = bounds().size;
    parameters.margin = margin();
    parameters.xOffset = xOffset();
    parameters.yOffset = yOffset();
    parameters.square = isSquare();
    parameters.minSize = minSize();
    if (indicator) parameters.indicatorSize = indicator->bounds().size;
    // A label of one line measures its text on one line whatever size it is offered.
    if (!label_->text().empty()) parameters.labelSize = label_->sizeThatFits(CGSizeZero);
    if (!detailsLabel_->text().empty()) {
        parameters.measureDetails = [this](CGSize bounding) {
            return detailsLabel_->sizeThatFits(bounding);
        };
    }
    const ProgressHUDLayout layout = ProgressHUDLayout::compute(parameters);
    if (indicator) indicator->setFrame(layout.indicatorFrame);
    label_->setFrame(layout.labelFrame);
    detailsLabel_->setFrame(layout.detailsFrame);
    size_.set(layout.size);
}

void ProgressHUD::drawRect(CGRect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    UIGraphicsPushContext(context);
    const CGSize area = bounds().size;
    if (dimBackground()) drawDimming(context, area);
    if (const auto color = this->color()) {
        CGContextSetFillColorWithColor(context, color->CGColor());
    } else {
        CGContextSetGrayFillColor(context, 0, opacity());
    }
    const CGSize box = size();
    fillRoundedRect(context,
                    {{std::round((area.width - box.width) / 2) + xOffset(),
                      std::round((area.height - box.height) / 2) + yOffset()},
                     box},
                    cornerRadius());
    UIGraphicsPopContext();
}

// Property changes

void ProgressHUD::registerForKVO() {
    for (std::string_view keyPath : kObservableKeypaths) {
        observations_.push_back(addObserver_forKeyPath(
            std::string(keyPath), [this](std::string_view changed, const std::any&) {
                observeValueForKeyPath(changed);
            }));
    }
}

void ProgressHUD::observeValueForKeyPath(std::string_view keyPath) {
    if (NSThread::isMainThread()) {
        updateUIForKeypath(keyPath);
        return;
    }
    // No strong reference is made here: the last one must never be let go on this thread.
    DispatchQueue::main().async([weakSelf = weak_from_this(), keyPath = std::string(keyPath)] {
        if (const auto hud = weakSelf.lock())
            static_cast<ProgressHUD&>(*hud).updateUIForKeypath(keyPath);
    });
}

void ProgressHUD::updateUIForKeypath(std::string_view keyPath) {
    if (keyPath == "mode" || keyPath == "customView") {
        updateIndicators();
    } else if (keyPath == "labelText") {
        label_->setText(labelText());
    } else if (keyPath == "labelFont") {
        label_->setFont(labelFont());
    } else if (keyPath == "labelColor") {
        label_->setTextColor(labelColor());
    } else if (keyPath == "detailsLabelText") {
        detailsLabel_->setText(detailsLabelText());
    } else if (keyPath == "detailsLabelFont") {
        detailsLabel_->setFont(detailsLabelFont());
    } else if (keyPath == "detailsLabelColor") {
        detailsLabel_->setTextColor(detailsLabelColor());
    } else if (keyPath == "progress") {
        // The indicator redraws itself; the HUD's layout does not change.
        if (const auto indicator = this->indicator()) setProgressByKey(*indicator, progress());
        return;
    }
    setNeedsLayout();
    setNeedsDisplay();
}

// Orientation

void ProgressHUD::registerForNotifications() {
    orientationObservation_ = NSNotificationCenter::defaultCenter().addObserverForName(
        UIDeviceOrientationDidChangeNotification, nullptr,
        [weakSelf = weak_from_this()](const NSNotification&) {
            if (const auto hud = weakSelf.lock())
                static_cast<ProgressHUD&>(*hud).deviceOrientationDidChange();
        });
}

void ProgressHUD::didMoveToSuperview() {
    const auto parent = superview();
    if (parent && parent->isKindOfClass(UIWindow::classObject()))
        setTransformForCurrentOrientation(false);
}

void ProgressHUD::deviceOrientationDidChange() {
    const auto parent = superview();
    if (!parent) return;
    if (parent->isKindOfClass(UIWindow::classObject())) {
        setTransformForCurrentOrientation(true);
    } else {
        setFrameThroughTransform(*this, parent->bounds());
        setNeedsDisplay();
    }
}

void ProgressHUD::setTransformForCurrentOrientation(bool animated) {
    if (const auto parent = superview()) {
        setBounds(parent->bounds());
        setNeedsDisplay();
    }
    const CGSize current = bounds().size;
    const CGRect turned{{0, 0}, {current.height, current.width}};
    CGFloat angle = 0;
    switch (UIApplication::sharedApplication().statusBarOrientation()) {
        case UIInterfaceOrientationLandscapeLeft:
            angle = -std::numbers::pi / 2;
            setBounds(turned);
            break;
        case UIInterfaceOrientationLandscapeRight:
            angle = std::numbers::pi / 2;
            setBounds(turned);
            break;
        case UIInterfaceOrientationPortraitUpsideDown:
            angle = std::numbers::pi;
            break;
        default:
            break;
    }
    rotationTransform_ = CGAffineTransformMakeRotation(angle);
    if (animated) {
        UIView::beginAnimations_context("", nullptr);
        setTransform(rotationTransform_);
        UIView::commitAnimations();
    } else {
        setTransform(rotationTransform_);
    }
}
