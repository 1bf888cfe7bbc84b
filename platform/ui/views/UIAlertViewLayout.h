#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/graphics/CGGeometry.h"
#include "platform/graphics/FontDescriptor.h"

// Where the parts of an alert go, in the alert box's coordinates: the title and message
// wrapped to the box's width, the text field's frame under them, then the buttons: two side by
// side in index order (so a cancel button, index 0, is on the left), any other number one above
// the other with the cancel button last. Parts that are absent get empty rectangles. A message
// too long for `maximumHeight` is cut to the lines that fit.
struct UIAlertViewLayout {
    struct Content {
        std::string title;
        std::string message;
        bool hasTextField = false;
        size_t buttonCount = 0;
        // The cancel button, when there is one, is button 0.
        bool hasCancelButton = false;
        CGFloat maximumHeight = 480;
    };

    static constexpr CGFloat kWidth = 270;
    static constexpr CGFloat kButtonHeight = 44;
    static constexpr CGFloat kCornerRadius = 7;

    static FontDescriptor titleFont();
    static FontDescriptor messageFont();
    static FontDescriptor buttonFont(bool isCancel);

    static UIAlertViewLayout make(const Content& content);

    CGSize size;
    CGRect titleRect;
    CGRect messageRect;
    CGRect textFieldRect;
    // By button index.
    std::vector<CGRect> buttonRects;
    // The hairlines between the text and the buttons and between the buttons.
    std::vector<CGRect> separators;
};
