#include "platform/ui/tables/TableLook.h"

#include "platform/graphics/UIColor.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIDevice.h"

namespace {

std::shared_ptr<UIColor> hex(unsigned rgb) {
    return UIColor::colorWithRed_green_blue_alpha(
        ((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, 1);
}

TableLook makeFlat() {
    TableLook look;
    look.groupedBackground = hex(0xEFEFF4);
    look.sectionGap = 35;
    look.rowBackground = UIColor::whiteColor();
    look.separator = hex(0xC8C7CC);
    look.separatorInset = 15;
    look.selection = hex(0xD9D9D9);
    look.textFont = UIFont::systemFontOfSize(17);
    look.textColor = UIColor::blackColor();
    look.highlightedTextColor = UIColor::blackColor();
    look.detailFont = UIFont::systemFontOfSize(17);
    look.valueColor = hex(0x8E8E93);
    look.subtitleFont = UIFont::systemFontOfSize(12);
    look.subtitleColor = UIColor::blackColor();
    look.contentInset = 15;
    look.chevron = hex(0xC7C7CC);
    look.checkmark = hex(0x007AFF);
    look.headerFont = UIFont::systemFontOfSize(14);
    look.footerFont = UIFont::systemFontOfSize(13);
    look.sectionTextColor = hex(0x6D6D72);
    look.uppercaseHeaders = true;
    look.plainHeaderBackground = hex(0xF7F7F7);
    look.plainHeaderTextColor = UIColor::blackColor();
    look.plainHeaderFont = UIFont::boldSystemFontOfSize(15);
    look.plainHeaderHeight = 22;
    return look;
}

TableLook makeClassic() {
    TableLook look;
    look.classic = true;
    look.groupInset = 10;
    look.groupCornerRadius = 10;
    look.groupBorder = hex(0xABABAB);
    look.sectionGap = 10;
    look.footerGap = 10;
    look.rowBackground = UIColor::whiteColor();
    look.separator = hex(0xE0E0E0);
    look.selection = hex(0x0A6FE8);
    look.textFont = UIFont::boldSystemFontOfSize(17);
    look.textColor = UIColor::blackColor();
    look.highlightedTextColor = UIColor::whiteColor();
    look.detailFont = UIFont::systemFontOfSize(17);
    look.valueColor = hex(0x385487);
    look.subtitleFont = UIFont::systemFontOfSize(14);
    look.subtitleColor = hex(0x808080);
    look.contentInset = 10;
    look.chevron = hex(0x808080);
    look.checkmark = hex(0x385487);
    look.headerFont = UIFont::boldSystemFontOfSize(17);
    look.footerFont = UIFont::systemFontOfSize(15);
    look.sectionTextColor = hex(0x4C566C);
    look.centeredFooters = true;
    look.plainHeaderBackground = hex(0x98A6B4);
    look.plainHeaderTextColor = UIColor::whiteColor();
    look.plainHeaderFont = UIFont::boldSystemFontOfSize(17);
    look.plainHeaderHeight = 23;
    return look;
}

}  // namespace

const TableLook& TableLook::flat() {
    static const TableLook look = makeFlat();
    return look;
}

const TableLook& TableLook::classicLook() {
    static const TableLook look = makeClassic();
    return look;
}

const TableLook& TableLook::current() {
    return UIDevice::currentDevice().isSystemVersionBefore("7.0") ? classicLook() : flat();
}
