#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "platform/ui/text/KeyboardPresenter.h"
#include "platform/ui/text/UIFont.h"
#include "tests/ui/TextInputTestSupport.h"

namespace {

using Events = std::vector<std::string>;

class TextViewTest : public TextInputTest {
protected:
    std::shared_ptr<UITextView> makeTextView(int tag, CGRect frame = CGRectMake(10, 20, 300, 120)) {
        auto view = std::make_shared<UITextView>(frame);
        view->setTag(tag);
        view->setFont(UIFont::systemFontOfSize(20));
        view->setDelegate(log_);
        window_->addSubview(view);
        return view;
    }

    std::shared_ptr<EditingLog> log_ = std::make_shared<EditingLog>();
};

using TextFieldTest = TextViewTest;

std::shared_ptr<UITextField> makeField(int tag, const std::shared_ptr<EditingLog>& log) {
    auto field = std::make_shared<UITextField>(CGRectMake(20, 200, 200, 30));
    field->setTag(tag);
    field->setDelegate(log);
    return field;
}

}  // namespace

TEST_F(TextViewTest, TypingInsertsAndDeletesWholeCharactersAtTheCaret) {
    auto view = makeTextView(1);
    view->setText("a€");
    ASSERT_TRUE(view->becomeFirstResponder());
    view->insertText("😀");
    EXPECT_EQ(view->text(), "a€😀");
    view->deleteBackward();
    EXPECT_EQ(view->text(), "a€") << "all four bytes of the emoji go at once";
    view->deleteBackward();
    EXPECT_EQ(view->text(), "a");

    view->setCaretIndex(0);
    view->insertText("\n");
    EXPECT_EQ(view->text(), "\na") << "return is a newline at the caret";
    EXPECT_EQ(view->caretIndex(), 1u);

    view->setText("€");
    view->setCaretIndex(2);
    EXPECT_EQ(view->caretIndex(), 0u) << "a caret inside a character moves to its start";
    view->insertText("x\xff\xc3");
    EXPECT_EQ(view->text(), "x\uFFFD\uFFFD€") << "invalid bytes are replaced, not stored";
    view->setCaretIndex(0);
    view->deleteBackward();

    EXPECT_EQ(log_->events, (Events{"1 begins", "1 is a€😀", "1 is a€", "1 is a", "1 is \na",
                                    "1 is x\uFFFD\uFFFD€"}))
        << "setText and a deletion with nothing before the caret are no changes of the user's";

    view->setText(std::string("keep\0this", 9));
    EXPECT_EQ(view->text(), "keepthis") << "a NUL would cut the text where it is stored";
    view->insertText(std::string("\0!", 2));
    EXPECT_EQ(view->text(), "keepthis!");
}

TEST_F(TextViewTest, EditingEndsInsideResignAndBeforeTheNextInputBegins) {
    auto first = makeTextView(1), second = makeTextView(2);
    first->becomeFirstResponder();
    log_->events.push_back("resigning");
    EXPECT_TRUE(first->resignFirstResponder());
    log_->events.push_back("resigned");
    EXPECT_FALSE(first->isEditing());

    first->becomeFirstResponder();
    second->becomeFirstResponder();
    EXPECT_FALSE(first->isEditing());
    EXPECT_TRUE(second->isEditing());
    EXPECT_EQ(log_->events, (Events{"1 begins", "resigning", "1 ends", "resigned", "1 begins",
                                    "1 ends", "2 begins"}));

    log_->events.clear();
    second->removeFromSuperview();
    EXPECT_FALSE(second->isEditing()) << "an input that leaves its window stops editing";
    EXPECT_EQ(UIResponder::currentFirstResponder(), nullptr);
    first->setEditable(false);
    EXPECT_FALSE(first->becomeFirstResponder());
    EXPECT_EQ(log_->events, (Events{"2 ends"}));
}

TEST_F(TextViewTest, ADelegateMayAskForFirstResponderAgainWhileEditingBegins) {
    auto view = makeTextView(1);
    bool again = false;
    log_->onBegin = [&](UITextView* textView) { again = textView->becomeFirstResponder(); };
    EXPECT_TRUE(view->becomeFirstResponder());
    EXPECT_TRUE(again);
    EXPECT_EQ(log_->events, (Events{"1 begins"}));

    log_.reset();
    view->insertText("x");
    EXPECT_TRUE(view->resignFirstResponder()) << "a delegate that went away is simply not told";
}

TEST_F(TextViewTest, ATapPutsTheCaretNearTheFingerAndStartsEditing) {
    auto view = makeTextView(1);
    view->setText("hello world");
    const CGFloat firstLine = 20 + UITextView::kTextContainerInsetTop + 8;
    tap({10 + UITextView::kLineFragmentPadding + 1, firstLine});
    EXPECT_TRUE(view->isEditing());
    EXPECT_EQ(view->caretIndex(), 0u);
    EXPECT_NE(KeyboardPresenter::visibleKeyboard(), nullptr);

    tap({300, firstLine});
    EXPECT_EQ(view->caretIndex(), 11u) << "right of the text: its end";
    tap({10 + 5 + view->caretRect().origin.x / 2, firstLine});
    EXPECT_GT(view->caretIndex(), 3u);
    EXPECT_LT(view->caretIndex(), 8u) << "in the middle of the line: the middle of the text";
    view->setText("hello\nworld");
    tap({300, firstLine});
    EXPECT_EQ(view->caretIndex(), 5u) << "right of a line: before its newline";
    EXPECT_EQ(log_->events, (Events{"1 begins"}));
}

TEST_F(TextViewTest, TheCaretBlinksOnVirtualTimeAndStaysLitWhileTyping) {
    auto view = makeTextView(1);
    EXPECT_FALSE(view->isCaretLitForTesting());
    view->becomeFirstResponder();
    EXPECT_TRUE(view->isCaretLitForTesting());
    EXPECT_EQ(view->caretRect().origin,
              CGPointMake(UITextView::kLineFragmentPadding, UITextView::kTextContainerInsetTop));
    advance(0.55);
    EXPECT_FALSE(view->isCaretLitForTesting());
    advance(0.5);
    EXPECT_TRUE(view->isCaretLitForTesting());

    advance(0.3);
    view->insertText("ab");
    advance(0.3);
    EXPECT_TRUE(view->isCaretLitForTesting()) << "typing starts the blink afresh";
    EXPECT_GT(view->caretRect().origin.x, 15);
    const CGRect firstLine = view->caretRect();
    view->insertText("\n");
    EXPECT_EQ(view->caretRect().origin.x, UITextView::kLineFragmentPadding);
    EXPECT_NEAR(view->caretRect().origin.y, firstLine.origin.y + firstLine.size.height, 0.01);

    view->resignFirstResponder();
    EXPECT_FALSE(view->isCaretLitForTesting());
    advance(2);
    EXPECT_FALSE(view->isCaretLitForTesting());
}

TEST_F(TextViewTest, LongLinesWrapInsideThePaddingAndTheBottomCutsTheRest) {
    auto view = makeTextView(1, CGRectMake(0, 0, 100, 60));
    view->setText("wrap these words");
    view->becomeFirstResponder();
    EXPECT_GT(view->caretRect().origin.y, UITextView::kTextContainerInsetTop)
        << "the end of the text is on a later line";
    const CGImageRef drawing = drawingOf(*view);
    ASSERT_NE(drawing, nullptr);
    for (size_t y = 0; y < drawing->height(); ++y) {
        for (size_t x : {size_t{0}, size_t{8}, drawing->width() - 9, drawing->width() - 1})
            EXPECT_EQ(drawing->pixelAt(x, y) >> 24, 0u)
                << "ink in the padding at " << x << ", " << y;
    }
    EXPECT_TRUE(view->clipsToBounds());
}

TEST_F(TextFieldTest, TheReturnKeyGoesToTheDelegateAndNeverIntoTheText) {
    auto field = makeField(1, log_);
    window_->addSubview(field);
    field->becomeFirstResponder();
    field->insertText("ab\ncd");
    EXPECT_EQ(field->text(), "abcd");
    log_->resignOnReturn = true;
    field->insertText("\nef");
    EXPECT_EQ(field->text(), "abcd") << "what is typed after editing ended goes nowhere";
    EXPECT_EQ(log_->events,
              (Events{"1 begins", "1 returns with ab", "1 returns with abcd", "1 ends"}));
}

TEST_F(TextFieldTest, ThePlaceholderShowsInGreyOnlyWhileTheFieldIsEmpty) {
    auto field = makeField(1, log_);
    field->setPlaceholder("Password");
    const Ink empty = inkOf(drawingOf(*field));
    EXPECT_GT(empty.grey, 20u);
    EXPECT_EQ(empty.dark, 0u);

    field->setText("hunter");
    const Ink typed = inkOf(drawingOf(*field));
    EXPECT_GT(typed.dark, 20u);
    EXPECT_EQ(typed.grey, 0u);
}

TEST_F(TextFieldTest, SecureEntryShowsOneBulletPerCharacter) {
    auto secret = makeField(1, log_), other = makeField(2, log_);
    secret->setText("i€W");
    other->setText("WWW");
    for (const auto& field : {secret, other}) field->setSecureTextEntry(true);
    EXPECT_EQ(secret->displayedText(), "•••");
    EXPECT_EQ(secret->text(), "i€W");
    const CGImageRef secretDrawing = drawingOf(*secret);
    const CGImageRef otherDrawing = drawingOf(*other);
    EXPECT_TRUE(std::ranges::equal(secretDrawing->pixels(), otherDrawing->pixels()))
        << "nothing of the characters shows, not even their widths";

    other->setSecureTextEntry(false);
    EXPECT_FALSE(std::ranges::equal(drawingOf(*other)->pixels(), secretDrawing->pixels()));
    secret->becomeFirstResponder();
    secret->deleteBackward();
    EXPECT_EQ(secret->text(), "i€");
    EXPECT_EQ(secret->displayedText(), "••");
}

TEST_F(TextFieldTest, TheClearButtonFollowsItsModeAndEmptiesTheFieldWhenTapped) {
    auto field = makeField(1, log_);
    window_->addSubview(field);
    struct Case {
        UITextFieldViewMode mode;
        bool idle, editing;
    };
    for (const Case& c : {Case{UITextFieldViewModeNever, false, false},
                          Case{UITextFieldViewModeWhileEditing, false, true},
                          Case{UITextFieldViewModeUnlessEditing, true, false},
                          Case{UITextFieldViewModeAlways, true, true}}) {
        field->setClearButtonMode(c.mode);
        field->setText("");
        EXPECT_FALSE(field->isClearButtonShown()) << "never over an empty field";
        field->setText("abc");
        EXPECT_EQ(field->isClearButtonShown(), c.idle) << "mode " << c.mode;
        field->becomeFirstResponder();
        EXPECT_EQ(field->isClearButtonShown(), c.editing) << "mode " << c.mode;
        field->resignFirstResponder();
    }

    field->setClearButtonMode(UITextFieldViewModeWhileEditing);
    field->becomeFirstResponder();
    const CGRect button = field->convertRect_toView(field->clearButtonRect(), nullptr);
    tap({CGRectGetMidX(button), CGRectGetMidY(button)});
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(field->isEditing());
    EXPECT_FALSE(field->isClearButtonShown());
}

TEST_F(TextFieldTest, ATapEditsAFieldOnlyWhileItIsEnabledAndADisabledOneIsDimmed) {
    auto field = makeField(1, log_);
    window_->addSubview(field);
    field->setText("abc");
    const Ink enabled = inkOf(drawingOf(*field));
    field->becomeFirstResponder();
    field->setEnabled(false);
    EXPECT_FALSE(field->isEditing()) << "disabling ends the editing";
    EXPECT_FALSE(field->becomeFirstResponder());
    tap({40, 215});
    EXPECT_FALSE(field->isEditing());
    const Ink disabled = inkOf(drawingOf(*field));
    EXPECT_EQ(disabled.dark, 0u);
    EXPECT_GT(disabled.any, enabled.dark / 2) << "still drawn, only fainter";

    field->setEnabled(true);
    tap({200, 215});
    EXPECT_TRUE(field->isEditing());
    EXPECT_EQ(field->caretIndex(), 3u);
    EXPECT_EQ(log_->events, (Events{"1 begins", "1 ends", "1 begins"}));
}

TEST_F(TextViewTest, BadInputNeverBreaksTheInputs) {
    auto view = makeTextView(1, CGRectMake(0, 0, 120, 80));
    auto field = makeField(2, log_);
    window_->addSubview(field);
    const std::string huge(2'000'000, 'w');
    for (const CGFloat size : {0.0, -5.0, 1e12, std::numeric_limits<CGFloat>::quiet_NaN(), 17.0}) {
        view->setFont(UIFont::systemFontOfSize(size));
        field->setFont(UIFont::systemFontOfSize(size));
        view->setText("\xc3\x28 \xed\xa0\x80 \xf4\x90\x80\x80 tail");
        EXPECT_EQ(view->text(), "\uFFFD( \uFFFD\uFFFD\uFFFD \uFFFD\uFFFD\uFFFD\uFFFD tail");
        drawingOf(*view);
        drawingOf(*field);
    }
    view->setText(huge);
    view->becomeFirstResponder();
    view->insertText("x");
    EXPECT_EQ(view->text().size(), huge.size() + 1);
    EXPECT_FALSE(view->isCaretLitForTesting()) << "the caret is far below the bottom";
    drawingOf(*view);
    field->setSecureTextEntry(true);
    field->setText(huge);
    field->becomeFirstResponder();
    field->deleteBackward();
    EXPECT_EQ(field->text().size(), huge.size() - 1);
    drawingOf(*field);

    auto tiny = makeTextView(3, CGRectZero);
    tiny->setText("never shown");
    tiny->becomeFirstResponder();
    tiny->insertText("!");
    EXPECT_EQ(drawingOf(*tiny), nullptr);
}
