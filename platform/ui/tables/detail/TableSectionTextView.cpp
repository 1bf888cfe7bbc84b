#include "platform/ui/tables/detail/TableSectionTextView.h"

#include <cctype>
#include <limits>

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/tables/TableLook.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UILabel.h"

namespace {

// Between grouped text and its group, and on the text's far side for footers.
constexpr CGFloat kTextToGroup = 6;
constexpr CGFloat kFooterBelowText = 8;

std::string uppercased(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void configureLabel(UILabel& label, TableSectionTextView::Kind kind, bool grouped,
                    const TableLook& look, const std::string& text) {
    const bool header = kind == TableSectionTextView::Kind::Header;
    if (!grouped) {
        label.setFont(look.plainHeaderFont);
        label.setTextColor(look.plainHeaderTextColor);
        label.setNumberOfLines(1);
        label.setTextAlignment(NSTextAlignmentLeft);
        label.setText(text);
        return;
    }
    label.setFont(header ? look.headerFont : look.footerFont);
    label.setTextColor(look.sectionTextColor);
    label.setNumberOfLines(0);
    label.setTextAlignment(!header && look.centeredFooters ? NSTextAlignmentCenter
                                                           : NSTextAlignmentLeft);
    label.setText(header && look.uppercaseHeaders ? uppercased(text) : text);
}

// The text's left edge in the table and the width it wraps in.
CGFloat textInset(bool grouped, const TableLook& look) {
    return (grouped ? look.groupInset : 0) + look.contentInset;
}

CGFloat textWidth(bool grouped, const TableLook& look, CGFloat tableWidth) {
    return std::max(tableWidth - 2 * textInset(grouped, look), 0.0);
}

}  // namespace

Class TableSectionTextView::classObject() {
    static const Class cls =
        defineClass<TableSectionTextView>("TableSectionTextView", UIView::classObject());
    return cls;
}

TableSectionTextView::TableSectionTextView() : label_(std::make_shared<UILabel>()) {
    setUserInteractionEnabled(false);
}

CGFloat TableSectionTextView::heightFor(Kind kind, UITableViewStyle style, const TableLook& look,
                                        const std::string& text, CGFloat width) {
    const bool grouped = style == UITableViewStyle::Grouped;
    const bool header = kind == Kind::Header;
    if (!grouped) return text.empty() ? 0 : look.plainHeaderHeight;
    const CGFloat gap = header ? look.sectionGap : look.footerGap;
    if (text.empty()) return gap;
    UILabel measure;
    configureLabel(measure, kind, grouped, look, text);
    const CGFloat textHeight =
        measure.sizeThatFits({textWidth(grouped, look, width), std::numeric_limits<CGFloat>::max()})
            .height;
    return header ? gap + textHeight + kTextToGroup
                  : kTextToGroup + textHeight + std::max(gap, kFooterBelowText);
}

void TableSectionTextView::configure(Kind kind, UITableViewStyle style, const TableLook& look,
                                     const std::string& text) {
    if (!label_->superview()) addSubview(label_);
    kind_ = kind;
    grouped_ = style == UITableViewStyle::Grouped;
    look_ = &look;
    configureLabel(*label_, kind, grouped_, look, text);
    setBackgroundColor(grouped_ ? nullptr : look.plainHeaderBackground);
    setNeedsLayout();
}

void TableSectionTextView::layoutSubviews() {
    if (look_ == nullptr) return;
    const CGRect area = bounds();
    const CGFloat inset = textInset(grouped_, *look_);
    const CGFloat width = textWidth(grouped_, *look_, area.size.width);
    if (!grouped_) {
        label_->setFrame({{inset, 0}, {width, area.size.height}});
        return;
    }
    const CGFloat height =
        label_->sizeThatFits({width, std::numeric_limits<CGFloat>::max()}).height;
    const CGFloat y =
        kind_ == Kind::Header ? area.size.height - kTextToGroup - height : kTextToGroup;
    label_->setFrame({{inset, y}, {width, height}});
}
