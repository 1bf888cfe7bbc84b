#include "platform/ui/tables/UITableViewCell.h"

#include <algorithm>

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/tables/TableLook.h"
#include "platform/ui/tables/detail/TableAccessoryIndicator.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UILabel.h"

namespace {

// Between the text and a trailing accessory, and between the text and the value-1 detail.
constexpr CGFloat kAccessoryGap = 8;
constexpr CGFloat kDetailGap = 6;
// The value-2 style's title column.
constexpr CGFloat kValue2TitleWidth = 67;

CGFloat lineHeight(const UILabel& label) {
    return Typesetter::metrics(label.font()->descriptor()).lineHeight;
}

}  // namespace

Class UITableViewCell::classObject() {
    static const Class cls = defineClass<UITableViewCell>("UITableViewCell", UIView::classObject());
    return cls;
}

UITableViewCell::UITableViewCell() : UITableViewCell(UITableViewCellStyle::Default, "") {}

UITableViewCell::UITableViewCell(UITableViewCellStyle style, std::string reuseIdentifier)
    : UIView(CGRect{{0, 0}, {320, 44}}),
      style_(style),
      reuseIdentifier_(std::move(reuseIdentifier)),
      look_(&TableLook::current()),
      defaultBackground_(std::make_shared<TableCellBackgroundView>()),
      selectedBackground_(std::make_shared<TableCellBackgroundView>()),
      contentView_(std::make_shared<UIView>()),
      imageView_(std::make_shared<UIImageView>()),
      textLabel_(std::make_shared<UILabel>()),
      indicator_(std::make_shared<TableAccessoryIndicator>()) {
    defaultBackground_->configure(*look_, TableCellBackgroundView::Kind::Normal, place_);
    selectedBackground_->configure(*look_, TableCellBackgroundView::Kind::Selection, place_);
    selectedBackground_->setAlpha(0);
    contentView_->addSubview(imageView_);
    indicator_->setHidden(true);
    buildLabels();
}

std::shared_ptr<UITableViewCell> UITableViewCell::make(UITableViewCellStyle style,
                                                       const std::string& reuseIdentifier) {
    auto cell = std::make_shared<UITableViewCell>(style, reuseIdentifier);
    cell->assembleIfNeeded();
    return cell;
}

void UITableViewCell::assembleIfNeeded() {
    if (contentView_->superview()) return;
    for (const std::shared_ptr<UIView>& part :
         {backgroundView(), std::shared_ptr<UIView>(selectedBackground_), contentView_,
          std::shared_ptr<UIView>(indicator_)})
        addSubview(part);
}

void UITableViewCell::initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                                    std::string reuseIdentifier) {
    style_ = style;
    reuseIdentifier_ = std::move(reuseIdentifier);
    textLabel_->removeFromSuperview();
    if (detailTextLabel_) detailTextLabel_->removeFromSuperview();
    textLabel_ = std::make_shared<UILabel>();
    buildLabels();
    assembleIfNeeded();
    setNeedsLayout();
}

void UITableViewCell::buildLabels() {
    detailTextLabel_ =
        style_ == UITableViewCellStyle::Default ? nullptr : std::make_shared<UILabel>();
    contentView_->addSubview(textLabel_);
    if (detailTextLabel_) contentView_->addSubview(detailTextLabel_);
    styleLabels();
}

void UITableViewCell::styleLabels() {
    textLabel_->setFont(look_->textFont);
    textLabel_->setTextColor(look_->textColor);
    if (!detailTextLabel_) return;
    switch (style_) {
        case UITableViewCellStyle::Value1:
            detailTextLabel_->setFont(look_->detailFont);
            detailTextLabel_->setTextColor(look_->valueColor);
            detailTextLabel_->setTextAlignment(NSTextAlignmentRight);
            break;
        case UITableViewCellStyle::Value2:
            textLabel_->setFont(UIFont::boldSystemFontOfSize(12));
            textLabel_->setTextColor(look_->valueColor);
            textLabel_->setTextAlignment(NSTextAlignmentRight);
            detailTextLabel_->setFont(UIFont::boldSystemFontOfSize(15));
            break;
        case UITableViewCellStyle::Subtitle:
            detailTextLabel_->setFont(look_->subtitleFont);
            detailTextLabel_->setTextColor(look_->subtitleColor);
            break;
        case UITableViewCellStyle::Default:
            break;
    }
}

// Accessories and backgrounds

void UITableViewCell::setAccessoryType(UITableViewCellAccessoryType type) {
    accessoryType_ = type;
    setNeedsLayout();
}

void UITableViewCell::setAccessoryView(std::shared_ptr<UIView> view) {
    if (accessoryView_ == view) return;
    assembleIfNeeded();
    if (accessoryView_) accessoryView_->removeFromSuperview();
    accessoryView_ = std::move(view);
    if (accessoryView_) addSubview(accessoryView_);
    setNeedsLayout();
}

std::shared_ptr<UIView> UITableViewCell::backgroundView() const {
    if (customBackground_) return customBackground_;
    return defaultBackground_;
}

void UITableViewCell::setBackgroundView(std::shared_ptr<UIView> view) {
    assembleIfNeeded();
    backgroundView()->removeFromSuperview();
    customBackground_ = std::move(view);
    insertSubview_atIndex(backgroundView(), 0);
    setNeedsLayout();
}

// Selection

void UITableViewCell::setSelectionStyle(UITableViewCellSelectionStyle style) {
    selectionStyle_ = style;
    updateSelectionLook(false);
}

void UITableViewCell::setSelected_animated(bool selected, bool animated) {
    selected_ = selected;
    updateSelectionLook(animated);
}

void UITableViewCell::setHighlighted_animated(bool highlighted, bool animated) {
    highlighted_ = highlighted;
    updateSelectionLook(animated);
}

void UITableViewCell::updateSelectionLook(bool animated) {
    const bool shown =
        (selected_ || highlighted_) && selectionStyle_ != UITableViewCellSelectionStyle::None;
    const auto background = selectedBackground_;
    if (animated) {
        animateWithDuration_animations(kSelectionFadeDuration,
                                       [&] { background->setAlpha(shown ? 1 : 0); });
    } else {
        background->setAlpha(shown ? 1 : 0);
    }
    // On the older look the text turns white over the blue selection, and back to the colours it
    // had before.
    if (look_->highlightedTextColor == look_->textColor || shown == textHighlighted_) return;
    textHighlighted_ = shown;
    UILabel* labels[] = {textLabel_.get(), detailTextLabel_.get()};
    for (size_t i = 0; i < 2; ++i) {
        if (labels[i] == nullptr) continue;
        if (shown) savedTextColors_[i] = labels[i]->textColor();
        labels[i]->setTextColor(shown ? look_->highlightedTextColor : savedTextColors_[i]);
    }
}

void UITableViewCell::prepareForReuse() {
    selected_ = false;
    highlighted_ = false;
    updateSelectionLook(false);
}

// Layout

void UITableViewCell::placeInTable(const TableLook& look, TableRowPlace place) {
    assembleIfNeeded();
    const bool restyle = look_ != &look;
    look_ = &look;
    place_ = place;
    defaultBackground_->configure(look, TableCellBackgroundView::Kind::Normal, place);
    selectedBackground_->configure(look, TableCellBackgroundView::Kind::Selection, place);
    if (restyle) styleLabels();
    setNeedsLayout();
}

UIView* UITableViewCell::trailingView() const {
    if (accessoryView_) return accessoryView_.get();
    return accessoryType_ == UITableViewCellAccessoryType::None ? nullptr : indicator_.get();
}

void UITableViewCell::layoutSubviews() {
    assembleIfNeeded();
    const CGRect bounds = this->bounds();
    const CGFloat inset = place_.grouped ? look_->groupInset : 0;
    const CGRect row = {{inset, 0},
                        {std::max(bounds.size.width - 2 * inset, 0.0), bounds.size.height}};
    backgroundView()->setFrame(row);
    selectedBackground_->setFrame(row);

    indicator_->setHidden(accessoryView_ || accessoryType_ == UITableViewCellAccessoryType::None);
    if (!indicator_->isHidden()) {
        const bool chevron = accessoryType_ == UITableViewCellAccessoryType::DisclosureIndicator;
        indicator_->configure(chevron ? TableAccessoryIndicator::Mark::Chevron
                                      : TableAccessoryIndicator::Mark::Checkmark,
                              chevron ? look_->chevron : look_->checkmark);
    }
    CGFloat contentEnd = CGRectGetMaxX(row);
    if (UIView* trailing = trailingView()) {
        const CGSize size = trailing->frame().size;
        const CGFloat x = CGRectGetMaxX(row) - look_->contentInset - size.width;
        trailing->setFrame({{x, (bounds.size.height - size.height) / 2}, size});
        contentEnd = x - kAccessoryGap;
    }
    contentView_->setFrame(
        {row.origin, {std::max(contentEnd - row.origin.x, 0.0), row.size.height}});
    // The text keeps the content inset from the row's edge, or the gap before the accessory.
    layoutContent(contentView_->bounds(), trailingView() ? 0 : look_->contentInset);
}

void UITableViewCell::layoutContent(CGRect content, CGFloat trailingInset) {
    const CGFloat height = content.size.height;
    CGFloat x = look_->contentInset;
    const CGFloat right = std::max(content.size.width - trailingInset, x);
    imageView_->setHidden(!imageView_->image());
    if (imageView_->image()) {
        const CGSize size = imageView_->image()->size();
        imageView_->setFrame({{x, (height - size.height) / 2}, size});
        x += size.width + look_->contentInset;
    }
    const CGFloat width = std::max(right - x, 0.0);
    switch (style_) {
        case UITableViewCellStyle::Default:
            textLabel_->setFrame({{x, 0}, {width, height}});
            break;
        case UITableViewCellStyle::Value1: {
            const CGFloat detailWidth =
                std::min(detailTextLabel_->sizeThatFits({width, height}).width, width);
            detailTextLabel_->setFrame({{right - detailWidth, 0}, {detailWidth, height}});
            textLabel_->setFrame(
                {{x, 0}, {std::max(width - detailWidth - kDetailGap, 0.0), height}});
            break;
        }
        case UITableViewCellStyle::Value2: {
            const CGFloat title = std::min(kValue2TitleWidth, width);
            textLabel_->setFrame({{x, 0}, {title, height}});
            const CGFloat detailX = x + title + kDetailGap;
            detailTextLabel_->setFrame({{detailX, 0}, {std::max(right - detailX, 0.0), height}});
            break;
        }
        case UITableViewCellStyle::Subtitle: {
            const CGFloat textHeight = lineHeight(*textLabel_);
            const CGFloat detailHeight =
                detailTextLabel_->text().empty() ? 0 : lineHeight(*detailTextLabel_);
            const CGFloat top = (height - textHeight - detailHeight) / 2;
            textLabel_->setFrame({{x, top}, {width, textHeight}});
            detailTextLabel_->setFrame({{x, top + textHeight}, {width, detailHeight}});
            break;
        }
    }
}
