#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/views/UIScrollView.h"

class UILabel;
struct NotesLook;

// A note's page: a header line (the note's date) centred at the top, and below it the note's
// whole text, read-only and word-wrapped, in a scroll view. Any length of text is shown without
// drawing it all at once: the text is cut into blocks of at most kBlockMostBytes and
// kBlockMostLines lines, at a line's end where one is near, else after a space, else between two
// characters; each block is measured when the width changes, and only the blocks in view have
// labels. (A paragraph longer than a block wraps anew at the block's end.)
//
// Ownership: the view owns its header label and the labels of the blocks in view.
class NoteTextView : public UIScrollView {
    RUNTIME_CLASS(NoteTextView)
    NoteTextView();
    explicit NoteTextView(CGRect frame);
    ~NoteTextView() override;

    static constexpr size_t kBlockMostBytes = 1024;
    static constexpr size_t kBlockMostLines = 40;
    // Above the header, between the header and the text, and below the text.
    static constexpr CGFloat kMargin = 12;

    // The look's background, fonts, colours and inset.
    void setLook(const NotesLook& look);
    const std::string& headerText() const;
    void setHeaderText(std::string text);
    const std::string& text() const { return text_; }
    // Bytes that are not UTF-8 are replaced.
    void setText(std::string_view text);

    // The labels of the blocks in view, top to bottom.
    std::vector<std::shared_ptr<UILabel>> visibleTextLabels() const;
    size_t blockCount() const { return blocks_.size(); }

    void layoutSubviews() override;

protected:
    void contentOffsetDidChange() override;

private:
    struct Block {
        size_t start;
        size_t length;
        CGFloat top = 0;
        CGFloat height = 0;
        std::shared_ptr<UILabel> label;
    };

    void cutIntoBlocks();
    // Measures the header and every block for the current width, and sets the content size.
    void measure();
    // Gives labels to the blocks in view and takes them from the others.
    void placeVisibleBlocks();
    std::shared_ptr<UILabel> makeBlockLabel(const Block& block) const;

    const NotesLook* look_;
    std::string text_;
    std::shared_ptr<UILabel> header_;
    std::vector<Block> blocks_;
    // The width the blocks were measured for; negative when they need measuring.
    CGFloat measuredWidth_ = -1;
};
