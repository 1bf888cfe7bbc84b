#include "tweak/imageView.h"

#include <cmath>
#include <mutex>

#include "common/DeviceKind.h"
#include "common/SettingsKeys.h"
#include "common/SettingsStore.h"
#include "common/SystemVersion.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/touches/UILongPressGestureRecognizer.h"
#include "platform/ui/touches/UIPanGestureRecognizer.h"
#include "platform/ui/touches/UITapGestureRecognizer.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UIScreen.h"
#include "tweak/BundleImages.h"
#include "tweak/LockAlert.h"
#include "tweak/ModuleState.h"
#include "tweak/SettingWrites.h"

namespace {

constexpr CGFloat kTallScreen = 800;
constexpr CGFloat kWideScreen = 800;
constexpr CGFloat kDefaultFontSize = 20;

// A number setting that is NaN or infinite can't place, size or show anything: it counts as the
// built-in value instead. Finite values, however odd, are used as they stand.
double finiteOr(double value, double fallback) {
    return std::isfinite(value) ? value : fallback;
}

// The hide button's offsets move it about the screen; one larger than `reach` would put it out of
// the person's reach for good, so it counts as the built-in value too.
double withinOr(double value, double reach, double fallback) {
    return std::isfinite(value) && std::abs(value) <= reach ? value : fallback;
}

template <void (imageView::*Handler)(UIGestureRecognizer*)>
void (*gestureAction())(id, SEL, UIGestureRecognizer*) {
    return +[](id self, SEL, UIGestureRecognizer* recognizer) {
        (static_cast<imageView*>(self)->*Handler)(recognizer);
    };
}

bool systemBefore7() {
    return isSystemVersionBefore7(UIDevice::currentDevice().systemVersion());
}

std::shared_ptr<UIImageView> imageViewWithFile(const char* path, CGRect frame) {
    auto view = std::make_shared<UIImageView>(frame);
    view->setImage(UIImage::imageWithContentsOfFile(path));
    view->setUserInteractionEnabled(true);
    return view;
}

std::shared_ptr<UIColor> colorFromSettings(const char* red, const char* green, const char* blue,
                                           const char* alpha) {
    return UIColor::colorWithRed_green_blue_alpha(cachedFloat(red), cachedFloat(green),
                                                  cachedFloat(blue), cachedFloat(alpha));
}

}  // namespace

Class imageView::classObject() {
    static const Class cls =
        defineClass<imageView>("imageView", UIViewController::classObject(), [](RuntimeClass& c) {
            c.addMethod("handlePanGesture:", gestureAction<&imageView::handlePanGesture>());
            c.addMethod("detectDeleteTap:", gestureAction<&imageView::detectDeleteTap>());
            c.addMethod("handleHold:", gestureAction<&imageView::handleHold>());
            c.addMethod("detectTap:", gestureAction<&imageView::detectTap>());
            c.addMethod("export:", gestureAction<&imageView::export_>());
            c.addMethod("dismissKeyboard:", gestureAction<&imageView::dismissKeyboard_>());
        });
    return cls;
}

CGSize imageView::noteSize(CGFloat screenWidth) {
    const bool small = screenWidth < kWideScreen && cachedBool(Settings::Key::sizeiPhone);
    return small ? CGSize{225, 250} : CGSize{275, 300};
}

const std::shared_ptr<imageView>& imageView::sharedInstance() {
    static std::once_flag once;
    static std::shared_ptr<imageView> instance;
    std::call_once(once, [] { instance = std::make_shared<imageView>(); });
    return instance;
}

std::shared_ptr<NSObject> imageView::self() {
    return shared_from_this();
}

void imageView::noteSpring(const std::function<void()>& animations,
                           std::function<void(bool)> completion) {
    UIView::
        animateWithDuration_delay_usingSpringWithDamping_initialSpringVelocity_options_animations_completion(
            0.5, 0, 0.8, 0.6,
            UIViewAnimationOptionAllowUserInteraction | UIViewAnimationOptionBeginFromCurrentState,
            animations, std::move(completion));
}

void imageView::checkSettings() {
    loadSettings();
    const SettingsPresence presence = settingsPresence(settingsCache);
    checkEnabled = presence.checkEnabled;
    isSet = presence.isSet;
    isAlpha = presence.isAlpha;
    exists = presence.exists;
    isFontSize = presence.isFontSize;
    moduleState().isEnabled = presence.isEnabled;
}

void imageView::attachTap(const std::shared_ptr<UIView>& view, SEL action) {
    view->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(self(), action));
}

void imageView::addToView_withFrame_withHideButton(const std::shared_ptr<UIView>& container,
                                                   CGRect frame, bool withHideButton) {
    ModuleState& module = moduleState();
    // 1–2: where the note goes and what the settings say.
    isNotNotification = withHideButton;
    module.noteContainer = container;
    const CGRect screen = UIScreen::mainScreen().bounds();
    const CGFloat W = screen.size.width, H = screen.size.height;
    const float savedX = cachedFloat(Settings::Key::x), savedY = cachedFloat(Settings::Key::y);
    const bool savedHidden = cachedBool(Settings::Key::hidden);
    const CGFloat reach = std::max(W, H);
    module.hideButtonOffsetX = withinOr(cachedFloat(Settings::Key::xoff), reach, 0);
    module.hideButtonOffsetY = withinOr(cachedFloat(Settings::Key::yoff), reach, 0);
    const bool before7 = systemBefore7();

    // 3: the hide button.
    CGRect hideFrame = frame;
    if (H <= kTallScreen) {
        hideFrame = before7 ? CGRectMake(module.hideButtonOffsetX + 5,
                                         H - 135 - module.hideButtonOffsetY, 30, 30)
                            : CGRectMake(W + 5 + module.hideButtonOffsetX,
                                         H - 35 - module.hideButtonOffsetY, 30, 30);
    }
    auto hideButton = imageViewWithFile(BundleImages::kHide, hideFrame);
    module.hideButton = hideButton;

    // 4–5: the note's size and origin.
    const CGSize size = noteSize(W);
    CGPoint origin{W, 100};
    // A saved origin that isn't finite could never be drawn or touched: the note then goes where
    // it goes when none was saved.
    const bool savedOriginUsable = std::isfinite(savedX) && std::isfinite(savedY);
    if (exists && withHideButton && savedOriginUsable) {
        origin = {savedX, savedY};
    } else if (before7) {
        origin = {-3, 100};
    } else if (!withHideButton) {
        origin = {0, 0};
    }
    auto note = std::make_shared<UIImageView>(CGRect{origin, size});
    module.noteView = note;

    // 6: opacity.
    if (savedHidden && withHideButton) {
        note->setAlpha(0);
    } else {
        alpha = cachedFloat(Settings::Key::alpha);
        note->setAlpha(isAlpha ? finiteOr(alpha, 1.0) : 1.0);
    }

    // 7: the text view.
    auto textView =
        std::make_shared<UITextView>(CGRectMake(5, 32, size.width - 5, size.height - 78));
    module.noteTextView = textView;
    if (exists) textView->setText(cachedString(Settings::Key::text).value_or(""));
    textView->setFont(UIFont::systemFontOfSize(
        isFontSize ? finiteOr(cachedFloat(Settings::Key::fontSize), kDefaultFontSize)
                   : kDefaultFontSize));

    // 8: colours.
    if (cachedSetting(Settings::Key::blue) && cachedBool(Settings::Key::colorFont)) {
        textView->setTextColor(colorFromSettings(Settings::Key::red, Settings::Key::green,
                                                 Settings::Key::blue, Settings::Key::alphaF));
    }
    if (cachedSetting(Settings::Key::bluePlakko) && cachedBool(Settings::Key::color)) {
        note->setImage(imageNamed_withColor(
            BundleImages::kNoteForTint,
            colorFromSettings(Settings::Key::redPlakko, Settings::Key::greenPlakko,
                              Settings::Key::bluePlakko, Settings::Key::alphaFPlakko)));
    } else {
        note->setImage(UIImage::imageWithContentsOfFile(BundleImages::kNote));
    }

    // 9: text view settings.
    textView->setKeyboardType(UIKeyboardTypeDefault);
    textView->setReturnKeyType(UIReturnKeyNext);
    textView->setBackgroundColor(UIColor::clearColor());
    textView->setDelegate(
        std::shared_ptr<UITextViewDelegate>(std::static_pointer_cast<imageView>(self()), this));

    // 10: the shadow, on the screens where the note stands out.
    const bool tallPhone = !before7 && H == 568;
    const bool pad = isTabletDevice(UIDevice::currentDevice());
    if (tallPhone || pad) {
        CALayer& layer = *note->layer();
        layer.setShadowOffset({-3, 3});
        layer.setShadowOpacity(0.5);
        layer.setShadowRadius(1.0);
        layer.setShadowColor(UIColor::blackColor()->CGColor());
    }

    // 11–16: interaction, buttons and recognisers.
    note->setUserInteractionEnabled(true);
    deleteButton = imageViewWithFile(BundleImages::kDelete, CGRectMake(size.width - 25, 7, 20, 20));
    note->addSubview(deleteButton);
    attachTap(deleteButton, "detectDeleteTap:");
    exportButton =
        imageViewWithFile(BundleImages::kExport, CGRectMake(0, size.height - 35, 40, 40));
    exportButton->setAlpha(0.7);
    note->addSubview(exportButton);
    attachTap(exportButton, "export:");
    if (withHideButton) {
        auto pan = std::make_shared<UIPanGestureRecognizer>(self(), "handlePanGesture:");
        pan->setDelegate(std::shared_ptr<UIGestureRecognizerDelegate>(
            std::static_pointer_cast<imageView>(self()), this));
        note->addGestureRecognizer(pan);
    }
    attachTap(hideButton, "detectTap:");
    auto hold = std::make_shared<UILongPressGestureRecognizer>(self(), "handleHold:");
    hold->setNumberOfTapsRequired(1);
    hold->setMinimumPressDuration(0.05);
    hideButton->addGestureRecognizer(hold);
    dismissKeyboard = imageViewWithFile(BundleImages::kKeyboard, CGRectMake(7, 7, 20, 20));
    dismissKeyboard->setAlpha(0);
    note->addSubview(dismissKeyboard);
    auto keyboardTap = std::make_shared<UITapGestureRecognizer>(self(), "dismissKeyboard:");
    keyboardTap->setCancelsTouchesInView(false);
    dismissKeyboard->addGestureRecognizer(keyboardTap);

    // 17: into the tree.
    note->addSubview(textView);
    setView(note);
    container->addSubview(note);
    if (withHideButton) container->addSubview(hideButton);
}

std::shared_ptr<UIImage> imageView::imageNamed_withColor(const std::string& path,
                                                         const std::shared_ptr<UIColor>& color) {
    auto image = UIImage::imageWithContentsOfFile(path);
    if (!image) return nullptr;
    const CGSize size = image->size();
    UIGraphicsBeginImageContext(size);
    const CGContextRef context = UIGraphicsGetCurrentContext();
    if (color) color->setFill();
    CGContextTranslateCTM(context, 0, size.height);
    CGContextScaleCTM(context, 1, -1);
    CGContextSetBlendMode(context, kCGBlendModeColorBurn);
    const CGRect rect{{0, 0}, size};
    CGContextDrawImage(context, rect, image->CGImage());
    CGContextClipToMask(context, rect, image->CGImage());
    CGContextAddRect(context, rect);
    CGContextDrawPath(context, kCGPathFill);
    auto tinted = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return tinted;
}
