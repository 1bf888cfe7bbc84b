#include "platform/ui/text/KeyboardLayout.h"

#include <array>
#include <cctype>

namespace {

constexpr CGFloat kPhoneHeight = 216;
constexpr CGFloat kPadHeight = 264;
constexpr size_t kRows = 4;
// Keys are laid out in units of a tenth of the width; these fractions of a unit and of a row
// are the gaps between keys.
constexpr CGFloat kColumns = 10;
constexpr CGFloat kHorizontalGap = 0.19;
constexpr CGFloat kVerticalGap = 0.22;
// The third row's side keys and the fourth row's outer keys, in units.
constexpr CGFloat kSideKeyWidth = 1.5;
constexpr CGFloat kBottomSideWidth = 2.5;

using Row = std::vector<std::string>;

const std::array<Row, 3>& characterRows(KeyboardPlane plane) {
    static const std::array<Row, 3> letters = {
        Row{"q", "w", "e", "r", "t", "y", "u", "i", "o", "p"},
        Row{"a", "s", "d", "f", "g", "h", "j", "k", "l"},
        Row{"z", "x", "c", "v", "b", "n", "m"},
    };
    static const std::array<Row, 3> numbers = {
        Row{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"},
        Row{"-", "/", ":", ";", "(", ")", "$", "&", "@", "\""},
        Row{".", ",", "?", "!", "'"},
    };
    static const std::array<Row, 3> symbols = {
        Row{"[", "]", "{", "}", "#", "%", "^", "*", "+", "="},
        Row{"_", "\\", "|", "~", "<", ">", "€", "£", "¥", "•"},
        Row{".", ",", "?", "!", "'"},
    };
    switch (plane) {
        case KeyboardPlane::Numbers:
            return numbers;
        case KeyboardPlane::Symbols:
            return symbols;
        default:
            return letters;
    }
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Places keys in one row, `start` and `width` in units.
class RowPlacer {
public:
    RowPlacer(CGSize size, size_t row)
        : unit_(size.width / kColumns), rowHeight_(size.height / kRows), row_(row) {}

    CGRect frame(CGFloat start, CGFloat width) const {
        const CGFloat gapX = unit_ * kHorizontalGap, gapY = rowHeight_ * kVerticalGap;
        return {{start * unit_ + gapX / 2, static_cast<CGFloat>(row_) * rowHeight_ + gapY / 2},
                {width * unit_ - gapX, rowHeight_ - gapY}};
    }

private:
    CGFloat unit_, rowHeight_;
    size_t row_;
};

void addCharacters(std::vector<KeyboardKey>& keys, const Row& characters, LetterCase letterCase,
                   const RowPlacer& placer, CGFloat start, CGFloat width) {
    const CGFloat keyWidth = width / static_cast<CGFloat>(characters.size());
    for (size_t i = 0; i < characters.size(); ++i) {
        const std::string text =
            letterCase == LetterCase::Upper ? upper(characters[i]) : characters[i];
        keys.push_back({KeyboardKey::Kind::Character, text, text, KeyboardPlane::Letters,
                        placer.frame(start + keyWidth * static_cast<CGFloat>(i), keyWidth)});
    }
}

KeyboardKey planeSwitch(const char* title, KeyboardPlane target, CGRect frame) {
    return {KeyboardKey::Kind::PlaneSwitch, title, "", target, frame};
}

}  // namespace

std::vector<KeyboardKey> KeyboardLayout::keys(CGSize size, KeyboardPlane plane,
                                              LetterCase letterCase,
                                              UIReturnKeyType returnKeyType) {
    const auto& rows = characterRows(plane);
    const bool letters = plane == KeyboardPlane::Letters;
    std::vector<KeyboardKey> keys;

    addCharacters(keys, rows[0], letterCase, RowPlacer(size, 0), 0, kColumns);
    const CGFloat secondRowWidth = static_cast<CGFloat>(rows[1].size());
    addCharacters(keys, rows[1], letterCase, RowPlacer(size, 1), (kColumns - secondRowWidth) / 2,
                  secondRowWidth);

    const RowPlacer third(size, 2);
    const CGRect leftKey = third.frame(0, kSideKeyWidth);
    if (letters) {
        keys.push_back({KeyboardKey::Kind::Shift, "⇧", "", KeyboardPlane::Letters, leftKey});
    } else if (plane == KeyboardPlane::Numbers) {
        keys.push_back(planeSwitch("#+=", KeyboardPlane::Symbols, leftKey));
    } else {
        keys.push_back(planeSwitch("123", KeyboardPlane::Numbers, leftKey));
    }
    addCharacters(keys, rows[2], letterCase, third, kSideKeyWidth, kColumns - 2 * kSideKeyWidth);
    keys.push_back({KeyboardKey::Kind::Delete, "⌫", "", KeyboardPlane::Letters,
                    third.frame(kColumns - kSideKeyWidth, kSideKeyWidth)});

    const RowPlacer fourth(size, 3);
    keys.push_back(planeSwitch(letters ? "123" : "ABC",
                               letters ? KeyboardPlane::Numbers : KeyboardPlane::Letters,
                               fourth.frame(0, kBottomSideWidth)));
    keys.push_back({KeyboardKey::Kind::Space, "space", " ", KeyboardPlane::Letters,
                    fourth.frame(kBottomSideWidth, kColumns - 2 * kBottomSideWidth)});
    keys.push_back({KeyboardKey::Kind::Return, returnKeyTitle(returnKeyType), "",
                    KeyboardPlane::Letters,
                    fourth.frame(kColumns - kBottomSideWidth, kBottomSideWidth)});
    return keys;
}

std::string KeyboardLayout::returnKeyTitle(UIReturnKeyType type) {
    switch (type) {
        case UIReturnKeyGo:
            return "Go";
        case UIReturnKeyGoogle:
            return "Google";
        case UIReturnKeyJoin:
            return "Join";
        case UIReturnKeyNext:
            return "Next";
        case UIReturnKeyRoute:
            return "Route";
        case UIReturnKeySearch:
            return "Search";
        case UIReturnKeySend:
            return "Send";
        case UIReturnKeyYahoo:
            return "Yahoo";
        case UIReturnKeyDone:
            return "Done";
        case UIReturnKeyEmergencyCall:
            return "Emergency Call";
        default:
            return "return";
    }
}

CGFloat KeyboardLayout::height(UIUserInterfaceIdiom idiom) {
    return idiom == UIUserInterfaceIdiomPad ? kPadHeight : kPhoneHeight;
}
