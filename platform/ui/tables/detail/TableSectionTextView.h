#pragma once

#include <memory>
#include <string>

#include "platform/ui/views/UIView.h"

class UILabel;
struct TableLook;
enum class UITableViewStyle;

// A section's header or footer text as the table shows it: above or below a group in a grouped
// table (header text in capitals on system 7), or a bar across a plain table. Also measures the
// space a section's text takes, so the table's geometry and its views agree.
class TableSectionTextView : public UIView {
    RUNTIME_CLASS(TableSectionTextView)
    enum class Kind { Header, Footer };
    TableSectionTextView();

    // The height of the band the header or footer takes in a table `width` wide; empty text
    // still leaves the gap between groups.
    static CGFloat heightFor(Kind kind, UITableViewStyle style, const TableLook& look,
                             const std::string& text, CGFloat width);

    void configure(Kind kind, UITableViewStyle style, const TableLook& look,
                   const std::string& text);
    const std::shared_ptr<UILabel>& label() const { return label_; }
    void layoutSubviews() override;

private:
    Kind kind_ = Kind::Header;
    bool grouped_ = true;
    const TableLook* look_ = nullptr;
    std::shared_ptr<UILabel> label_;
};
