#pragma once

#include <string>
#include <vector>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/text/UITextInputTraits.h"
#include "platform/ui/views/UIDevice.h"

// Which set of keys the keyboard shows, and whether its letters are capitals.
enum class KeyboardPlane { Letters, Numbers, Symbols };
enum class LetterCase { Lower, Upper };

struct KeyboardKey {
    enum class Kind { Character, Shift, Delete, PlaneSwitch, Space, Return };
    Kind kind;
    std::string title;
    // What a character key types.
    std::string text;
    // The plane a plane-switch key goes to.
    KeyboardPlane target = KeyboardPlane::Letters;
    CGRect frame;
};

// Where the keys of the on-screen keyboard go: four rows across the keyboard's size, as on the
// platform's English keyboard (letters; digits and punctuation; symbols), with shift, delete,
// plane switches, space and a return key titled after the input's return-key type.
class KeyboardLayout {
public:
    static std::vector<KeyboardKey> keys(CGSize size, KeyboardPlane plane, LetterCase letterCase,
                                         UIReturnKeyType returnKeyType);
    static std::string returnKeyTitle(UIReturnKeyType type);
    // The keyboard's height in portrait.
    static CGFloat height(UIUserInterfaceIdiom idiom);
};
