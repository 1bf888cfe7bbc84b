#include "platform/notesapp/NotesLook.h"

#include "platform/graphics/UIColor.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIDevice.h"

namespace {

std::shared_ptr<UIColor> hex(unsigned rgb) {
    return UIColor::colorWithRed_green_blue_alpha(
        ((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, 1);
}

NotesLook makeFlat() {
    NotesLook look;
    look.background = UIColor::whiteColor();
    look.titleFont = UIFont::systemFontOfSize(17);
    look.titleColor = UIColor::blackColor();
    look.dateFont = UIFont::systemFontOfSize(14);
    look.dateColor = hex(0xC69A0E);  // the app's accent, a dark yellow
    look.textFont = UIFont::systemFontOfSize(17);
    look.textColor = UIColor::blackColor();
    look.emptyColor = hex(0x8E8E93);
    look.textInset = 15;
    return look;
}

NotesLook makePaper() {
    NotesLook look;
    look.paper = true;
    look.background = hex(0xFAF1B9);
    look.rule = hex(0xD9C58A);
    look.titleFont = UIFont::boldSystemFontOfSize(17);
    look.titleColor = hex(0x3B2A14);
    look.dateFont = UIFont::systemFontOfSize(14);
    look.dateColor = hex(0xA2543A);
    look.textFont = UIFont::systemFontOfSize(18);
    look.textColor = hex(0x3B2A14);
    look.emptyColor = hex(0x9C8B5E);
    look.textInset = 12;
    return look;
}

}  // namespace

const NotesLook& NotesLook::flat() {
    static const NotesLook look = makeFlat();
    return look;
}

const NotesLook& NotesLook::paperLook() {
    static const NotesLook look = makePaper();
    return look;
}

const NotesLook& NotesLook::current() {
    return UIDevice::currentDevice().isSystemVersionBefore("7.0") ? paperLook() : flat();
}
