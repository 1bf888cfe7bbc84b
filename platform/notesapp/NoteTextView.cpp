#include "platform/notesapp/NoteTextView.h"

#include <algorithm>
#include <limits>

#include "platform/foundation/UTF8.h"
#include "platform/graphics/UIColor.h"
#include "platform/notesapp/NotesLook.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UILabel.h"

namespace {

constexpr CGFloat kUnlimitedHeight = std::numeric_limits<CGFloat>::max();

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Where the block starting at `start` ends, and where the next one starts.
struct Cut {
    size_t end;
    size_t next;
};

Cut cutAfter(std::string_view text, size_t start) {
    const size_t limit = std::min(text.size(), start + NoteTextView::kBlockMostBytes);
    size_t lines = 1;
    for (size_t i = start; i < limit; ++i) {
        if (text[i] == '\n' && ++lines > NoteTextView::kBlockMostLines) return {i, i + 1};
    }
    if (limit == text.size()) return {limit, limit};
    const std::string_view window = text.substr(start, limit - start);
    if (const size_t newline = window.rfind('\n'); newline != std::string_view::npos && newline > 0)
        return {start + newline, start + newline + 1};
    if (const size_t space = window.rfind(' '); space != std::string_view::npos && space > 0)
        return {start + space + 1, start + space + 1};
    size_t end = limit;
    while (end > start + 1 && isContinuationByte(text[end])) --end;
    return {end, end};
}

}  // namespace

Class NoteTextView::classObject() {
    static const Class cls = defineClass<NoteTextView>("NoteTextView", UIScrollView::classObject());
    return cls;
}

NoteTextView::NoteTextView() : NoteTextView(CGRectZero) {}

NoteTextView::NoteTextView(CGRect frame)
    : UIScrollView(frame), look_(&NotesLook::current()), header_(std::make_shared<UILabel>()) {
    header_->setTextAlignment(NSTextAlignmentCenter);
    setClipsToBounds(true);
    setLook(*look_);
}

NoteTextView::~NoteTextView() = default;

void NoteTextView::setLook(const NotesLook& look) {
    look_ = &look;
    setBackgroundColor(look.background);
    header_->setFont(look.dateFont);
    header_->setTextColor(look.dateColor);
    measuredWidth_ = -1;
    setNeedsLayout();
}

const std::string& NoteTextView::headerText() const {
    return header_->text();
}

void NoteTextView::setHeaderText(std::string text) {
    header_->setText(std::move(text));
    measuredWidth_ = -1;
    setNeedsLayout();
}

void NoteTextView::setText(std::string_view text) {
    text_ = UTF8::valid(text);
    cutIntoBlocks();
    measuredWidth_ = -1;
    setNeedsLayout();
}

void NoteTextView::cutIntoBlocks() {
    for (const auto& block : blocks_) {
        if (block.label) block.label->removeFromSuperview();
    }
    blocks_.clear();
    for (size_t start = 0; start < text_.size();) {
        const Cut cut = cutAfter(text_, start);
        blocks_.push_back({start, cut.end - start, 0, 0, nullptr});
        start = cut.next;
    }
}

std::vector<std::shared_ptr<UILabel>> NoteTextView::visibleTextLabels() const {
    std::vector<std::shared_ptr<UILabel>> labels;
    for (const auto& block : blocks_) {
        if (block.label) labels.push_back(block.label);
    }
    return labels;
}

void NoteTextView::layoutSubviews() {
    UIScrollView::layoutSubviews();
    if (!header_->superview()) addSubview(header_);
    if (bounds().size.width != measuredWidth_) measure();
    placeVisibleBlocks();
}

void NoteTextView::contentOffsetDidChange() {
    if (measuredWidth_ >= 0) placeVisibleBlocks();
}

void NoteTextView::measure() {
    const CGFloat width = bounds().size.width;
    measuredWidth_ = width;
    const CGFloat headerHeight =
        header_->text().empty() ? 0 : header_->sizeThatFits({width, kUnlimitedHeight}).height;
    header_->setFrame({{0, kMargin}, {width, headerHeight}});
    const CGFloat textWidth = std::max<CGFloat>(width - 2 * look_->textInset, 0);
    const auto measuring = std::make_shared<UILabel>();
    measuring->setFont(look_->textFont);
    measuring->setNumberOfLines(0);
    measuring->setLineBreakMode(NSLineBreakByWordWrapping);
    CGFloat top = kMargin + headerHeight + (headerHeight > 0 ? kMargin : 0);
    for (auto& block : blocks_) {
        measuring->setText(text_.substr(block.start, block.length));
        block.top = top;
        block.height = measuring->sizeThatFits({textWidth, kUnlimitedHeight}).height;
        top += block.height;
        if (block.label) {
            block.label->removeFromSuperview();
            block.label.reset();
        }
    }
    setContentSize({width, top + kMargin});
}

void NoteTextView::placeVisibleBlocks() {
    const CGRect visible = bounds();
    const CGFloat viewTop = CGRectGetMinY(visible), viewBottom = CGRectGetMaxY(visible);
    for (auto& block : blocks_) {
        const bool inView = block.top < viewBottom && block.top + block.height > viewTop;
        if (inView && !block.label) {
            block.label = makeBlockLabel(block);
            addSubview(block.label);
        } else if (!inView && block.label) {
            block.label->removeFromSuperview();
            block.label.reset();
        }
    }
}

std::shared_ptr<UILabel> NoteTextView::makeBlockLabel(const Block& block) const {
    const CGFloat width = std::max<CGFloat>(bounds().size.width - 2 * look_->textInset, 0);
    auto label =
        std::make_shared<UILabel>(CGRect{{look_->textInset, block.top}, {width, block.height}});
    label->setFont(look_->textFont);
    label->setTextColor(look_->textColor);
    label->setNumberOfLines(0);
    label->setLineBreakMode(NSLineBreakByWordWrapping);
    label->setText(text_.substr(block.start, block.length));
    return label;
}
