#include "platform/ui/text/UIKeyboard.h"

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/KeyboardInput.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/text/detail/RoundedRectPath.h"

namespace {

constexpr CGFloat kKeyCornerRadius = 5;
// Each key sits on a slightly darker copy of itself, one point lower: the key's edge.
constexpr CGFloat kKeyEdgeDepth = 1;
// Title sizes as fractions of a key's height.
constexpr CGFloat kCharacterTitleSize = 0.52;
constexpr CGFloat kControlTitleSize = 0.38;

struct Palette {
    std::shared_ptr<UIColor> background, characterKey, controlKey, pressedKey, keyEdge, title;
};

const Palette& paletteFor(UIKeyboardAppearance appearance) {
    static const Palette light{
        UIColor::colorWithRed_green_blue_alpha(0.82, 0.835, 0.86, 1),
        UIColor::whiteColor(),
        UIColor::colorWithRed_green_blue_alpha(0.675, 0.7, 0.74, 1),
        UIColor::colorWithRed_green_blue_alpha(0.6, 0.63, 0.67, 1),
        UIColor::colorWithWhite_alpha(0.45, 1),
        UIColor::blackColor(),
    };
    static const Palette dark{
        UIColor::colorWithWhite_alpha(0.16, 1), UIColor::colorWithWhite_alpha(0.36, 1),
        UIColor::colorWithWhite_alpha(0.25, 1), UIColor::colorWithWhite_alpha(0.5, 1),
        UIColor::colorWithWhite_alpha(0.06, 1), UIColor::whiteColor(),
    };
    return appearance == UIKeyboardAppearanceDark ? dark : light;
}

KeyboardPlane startingPlane(UIKeyboardType type) {
    switch (type) {
        case UIKeyboardTypeNumbersAndPunctuation:
        case UIKeyboardTypeNumberPad:
        case UIKeyboardTypePhonePad:
        case UIKeyboardTypeDecimalPad:
            return KeyboardPlane::Numbers;
        default:
            return KeyboardPlane::Letters;
    }
}

void fillRoundedRect(const CGContextRef& context, CGRect rect, const UIColor& color) {
    CGContextSetFillColorWithColor(context, color.CGColor());
    CGContextBeginPath(context);
    addRoundedRectPath(context, rect, kKeyCornerRadius);
    CGContextFillPath(context);
}

}  // namespace

Class UIKeyboard::classObject() {
    static const Class cls =
        defineClass<UIKeyboard>("UIKeyboard", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:",
                +[](id self, SEL, CGRect rect) { static_cast<UIKeyboard*>(self)->drawRect(rect); });
        });
    return cls;
}

UIKeyboard::UIKeyboard(CGRect frame) : UIView(frame) {
    layer()->setNeedsDisplayOnBoundsChange(true);
}

void UIKeyboard::configure(const UITextInputTraits& input) {
    appearance_ = input.keyboardAppearance();
    returnKeyType_ = input.returnKeyType();
    plane_ = startingPlane(input.keyboardType());
    shifted_ = false;
    pressedKey_.reset();
    setNeedsDisplay();
}

std::vector<KeyboardKey> UIKeyboard::keys() const {
    return KeyboardLayout::keys(bounds().size, plane_,
                                shifted_ ? LetterCase::Upper : LetterCase::Lower, returnKeyType_);
}

std::optional<size_t> UIKeyboard::keyIndexAtPoint(CGPoint point) const {
    const auto all = keys();
    for (size_t i = 0; i < all.size(); ++i) {
        if (CGRectContainsPoint(all[i].frame, point)) return i;
    }
    return std::nullopt;
}

std::optional<size_t> UIKeyboard::keyIndexUnder(const UITouchSet& touches) const {
    if (touches.empty()) return std::nullopt;
    return keyIndexAtPoint(touches.front()->locationInView(this));
}

void UIKeyboard::setPressedKey(std::optional<size_t> index) {
    if (index == pressedKey_) return;
    pressedKey_ = index;
    setNeedsDisplay();
}

void UIKeyboard::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    setPressedKey(keyIndexUnder(touches));
}

void UIKeyboard::touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) {
    setPressedKey(keyIndexUnder(touches));
}

void UIKeyboard::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    // Typing may end the editing and take the keyboard off the screen.
    const auto keepAlive = shared_from_this();
    setPressedKey(std::nullopt);
    if (const auto index = keyIndexUnder(touches)) {
        const KeyboardKey key = keys()[*index];
        press(key);
    }
}

void UIKeyboard::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    setPressedKey(std::nullopt);
}

void UIKeyboard::press(const KeyboardKey& key) {
    switch (key.kind) {
        case KeyboardKey::Kind::Character:
        case KeyboardKey::Kind::Space:
            if (shifted_) {
                shifted_ = false;
                setNeedsDisplay();
            }
            KeyboardInput::typeText(key.text);
            break;
        case KeyboardKey::Kind::Shift:
            shifted_ = !shifted_;
            setNeedsDisplay();
            break;
        case KeyboardKey::Kind::PlaneSwitch:
            plane_ = key.target;
            shifted_ = false;
            setNeedsDisplay();
            break;
        case KeyboardKey::Kind::Delete:
            KeyboardInput::pressBackspace();
            break;
        case KeyboardKey::Kind::Return:
            KeyboardInput::pressReturn();
            break;
    }
}

void UIKeyboard::drawRect(CGRect) {
    const Palette& palette = paletteFor(appearance_);
    const CGContextRef context = UIGraphicsGetCurrentContext();
    palette.background->setFill();
    UIRectFill(bounds());
    const auto all = keys();
    for (size_t i = 0; i < all.size(); ++i) {
        const KeyboardKey& key = all[i];
        const bool isCharacter = key.kind == KeyboardKey::Kind::Character;
        const bool lit = pressedKey_ == i || (key.kind == KeyboardKey::Kind::Shift && shifted_);
        const auto& face = lit           ? palette.pressedKey
                           : isCharacter ? palette.characterKey
                                         : palette.controlKey;
        fillRoundedRect(context, CGRectOffset(key.frame, 0, kKeyEdgeDepth), *palette.keyEdge);
        fillRoundedRect(context, key.frame, *face);

        const auto font = UIFont::systemFontOfSize(
            key.frame.size.height * (isCharacter ? kCharacterTitleSize : kControlTitleSize));
        const CGSize title = Typesetter::sizeOfText(key.title, font->descriptor());
        const CGRect titleRect = {{key.frame.origin.x, CGRectGetMidY(key.frame) - title.height / 2},
                                  {key.frame.size.width, title.height}};
        CGContextSetFillColorWithColor(context, palette.title->CGColor());
        Typesetter::drawTextInRect(context, key.title, font->descriptor(), titleRect,
                                   LineBreak::Clip, TextAlignment::Center);
    }
}
