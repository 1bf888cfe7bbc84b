#pragma once

#include <memory>

#include "platform/graphics/CGGeometry.h"

class UIColor;
class UIFont;

// The Notes app's colours and fonts in one system look: white pages with the app's yellow accent
// (system 7), or pale yellow ruled paper with brown writing (before 7). Chosen by the device's
// system version.
struct NotesLook {
    // True for the look before system 7: rows drawn as ruled paper instead of the table's own.
    bool paper = false;

    std::shared_ptr<UIColor> background;  // the list's and the page's
    std::shared_ptr<UIColor> rule;        // the line under each paper row
    std::shared_ptr<UIFont> titleFont;    // a row's title
    std::shared_ptr<UIColor> titleColor;
    std::shared_ptr<UIFont> dateFont;  // a row's date and the page's
    std::shared_ptr<UIColor> dateColor;
    std::shared_ptr<UIFont> textFont;  // the page's text
    std::shared_ptr<UIColor> textColor;
    std::shared_ptr<UIColor> emptyColor;  // "No Notes"
    CGFloat textInset = 0;                // the page's text from its sides

    static const NotesLook& flat();
    static const NotesLook& paperLook();
    // The look of the device's system: paper before 7.0.
    static const NotesLook& current();
};
