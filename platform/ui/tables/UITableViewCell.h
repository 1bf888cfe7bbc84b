#pragma once

#include <memory>
#include <string>

#include "platform/ui/tables/detail/TableCellBackgroundView.h"
#include "platform/ui/views/UIView.h"

class TableAccessoryIndicator;
class UIImageView;
class UIColor;
class UILabel;
struct TableLook;

enum class UITableViewCellStyle { Default, Value1, Value2, Subtitle };
enum class UITableViewCellAccessoryType { None, DisclosureIndicator, Checkmark };
enum class UITableViewCellSelectionStyle { None, Blue, Gray, Default };

// One row of a table: a background, a selection background shown while the row is highlighted
// or selected, a content view holding the image and the text labels laid out by the style, and
// an accessory at the trailing edge (a chevron, a checkmark, or a view of the caller's).
//
// Ownership: the cell owns its subviews, and the accessory view and background view set on it.
// The table view that shows it owns it while it is on screen or waiting for reuse.
//
// Made by class name through the runtime (the default style, no reuse identifier) and then
// given its style with initWithStyle_reuseIdentifier, so subclasses known only by name work.
class UITableViewCell : public UIView {
    RUNTIME_CLASS(UITableViewCell)
    UITableViewCell();
    UITableViewCell(UITableViewCellStyle style, std::string reuseIdentifier);
    static std::shared_ptr<UITableViewCell> make(UITableViewCellStyle style,
                                                 const std::string& reuseIdentifier);
    // Gives a cell made by name its style and identifier (the labels are made again).
    virtual void initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                               std::string reuseIdentifier);

    UITableViewCellStyle style() const { return style_; }
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    const std::shared_ptr<UIView>& contentView() const { return contentView_; }
    const std::shared_ptr<UILabel>& textLabel() const { return textLabel_; }
    // Null for the default style.
    const std::shared_ptr<UILabel>& detailTextLabel() const { return detailTextLabel_; }
    // Takes no room until it has an image.
    const std::shared_ptr<UIImageView>& imageView() const { return imageView_; }

    UITableViewCellAccessoryType accessoryType() const { return accessoryType_; }
    void setAccessoryType(UITableViewCellAccessoryType type);
    // Shown instead of the accessory type's mark when set.
    const std::shared_ptr<UIView>& accessoryView() const { return accessoryView_; }
    void setAccessoryView(std::shared_ptr<UIView> view);
    // Null puts the table's own background back.
    std::shared_ptr<UIView> backgroundView() const;
    void setBackgroundView(std::shared_ptr<UIView> view);

    UITableViewCellSelectionStyle selectionStyle() const { return selectionStyle_; }
    void setSelectionStyle(UITableViewCellSelectionStyle style);
    bool isSelected() const { return selected_; }
    // Animated, the selection background fades in or out.
    virtual void setSelected_animated(bool selected, bool animated);
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted_animated(bool highlighted, bool animated);

    // Called when the table hands the cell out again from its reuse queue: ends the selection
    // and highlight. Subclasses put back their own state.
    virtual void prepareForReuse();

    // Told by the table that shows it: its look and where the row stands in its section.
    void placeInTable(const TableLook& look, TableRowPlace place);

    void layoutSubviews() override;

    static constexpr double kSelectionFadeDuration = 0.3;

private:
    // Puts the parts in the cell: not in the constructor, where the cell is not yet shared.
    void assembleIfNeeded();
    void buildLabels();
    void styleLabels();
    void updateSelectionLook(bool animated);
    void layoutContent(CGRect content, CGFloat trailingInset);
    // The view at the trailing edge, if any: the accessory view or the mark.
    UIView* trailingView() const;

    UITableViewCellStyle style_ = UITableViewCellStyle::Default;
    std::string reuseIdentifier_;
    const TableLook* look_;
    TableRowPlace place_;
    std::shared_ptr<TableCellBackgroundView> defaultBackground_;
    std::shared_ptr<UIView> customBackground_;
    std::shared_ptr<TableCellBackgroundView> selectedBackground_;
    std::shared_ptr<UIView> contentView_;
    std::shared_ptr<UIImageView> imageView_;
    std::shared_ptr<UILabel> textLabel_;
    std::shared_ptr<UILabel> detailTextLabel_;
    std::shared_ptr<TableAccessoryIndicator> indicator_;
    std::shared_ptr<UIView> accessoryView_;
    UITableViewCellAccessoryType accessoryType_ = UITableViewCellAccessoryType::None;
    UITableViewCellSelectionStyle selectionStyle_ = UITableViewCellSelectionStyle::Default;
    bool selected_ = false;
    bool highlighted_ = false;
    // The labels' colours while the older look shows them white on the selection.
    bool textHighlighted_ = false;
    std::shared_ptr<UIColor> savedTextColors_[2];
};
