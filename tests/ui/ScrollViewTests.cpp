#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/ui/views/UIScrollView.h"
#include "tests/ui/TouchTestSupport.h"

namespace {

class ScrollRecorder : public UIScrollViewDelegate {
public:
    void scrollViewDidScroll(UIScrollView* scrollView) override {
        offsets.push_back(scrollView->contentOffset().x);
    }
    std::vector<CGFloat> offsets;
};

// A paging scroll view over the window, two pages wide, at rest on the right page as the lock
// screen's is, with a view filling each page.
class ScrollViewTest : public TouchTest {
protected:
    ScrollViewTest() {
        scrollView_->setContentSize({640, 480});
        scrollView_->setPagingEnabled(true);
        scrollView_->setDelegate(recorder_);
        scrollView_->addSubview(leftPage_);
        scrollView_->addSubview(rightPage_);
        window_->addSubview(scrollView_);
        scrollView_->setContentOffset({320, 0});
        recorder_->offsets.clear();
    }

    // Down at `from`, `steps` moves over `seconds`, up at `to`, then time for the scroll view
    // to settle.
    void dragAndSettle(CGPoint from, CGPoint to, int steps, double seconds) {
        drag(from, to, steps, seconds);
        advance(1);
    }

    std::shared_ptr<UIScrollView> scrollView_ =
        std::make_shared<UIScrollView>(CGRectMake(0, 0, 320, 480));
    std::shared_ptr<RecordingView> leftPage_ =
        std::make_shared<RecordingView>(CGRectMake(0, 0, 320, 480));
    std::shared_ptr<RecordingView> rightPage_ =
        std::make_shared<RecordingView>(CGRectMake(320, 0, 320, 480));
    std::shared_ptr<ScrollRecorder> recorder_ = std::make_shared<ScrollRecorder>();
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST_F(ScrollViewTest, TheOffsetIsTheBoundsOriginSoTheContentMovesTheOtherWay) {
    EXPECT_EQ(scrollView_->bounds(), CGRectMake(320, 0, 320, 480));
    EXPECT_EQ(rightPage_->convertPoint_toView({10, 10}, nullptr), CGPointMake(10, 10));
    tap({100, 100});
    EXPECT_EQ(rightPage_->calls.size(), 2u) << "the page on screen takes the touch";
    EXPECT_TRUE(leftPage_->calls.empty());

    scrollView_->setContentOffset({kNaN, 0});
    scrollView_->setContentSize({-5, std::numeric_limits<double>::infinity()});
    EXPECT_EQ(scrollView_->contentOffset(), CGPointMake(320, 0)) << "NaN is ignored";
    EXPECT_EQ(scrollView_->contentSize(), CGSizeZero);
    EXPECT_TRUE(recorder_->offsets.empty());
}

TEST_F(ScrollViewTest, AnAnimatedScrollEasesToItsOffsetTellingTheDelegateOnTheWay) {
    scrollView_->setContentOffset_animated({0, 0}, true);
    EXPECT_EQ(scrollView_->contentOffset().x, 320) << "nothing moves before the first frame";
    advance(0.15);
    const CGFloat halfway = scrollView_->contentOffset().x;
    EXPECT_LT(halfway, 160) << "more than half the way in half the time: it eases out";
    EXPECT_GT(halfway, 0);
    advance(0.2);
    EXPECT_EQ(scrollView_->contentOffset().x, 0);
    EXPECT_GT(recorder_->offsets.size(), 10u) << "a step a frame";
    EXPECT_TRUE(std::is_sorted(recorder_->offsets.rbegin(), recorder_->offsets.rend()));
    EXPECT_EQ(recorder_->offsets.back(), 0);

    scrollView_->setContentOffset_animated({320, 0}, true);
    advance(0.1);
    scrollView_->setContentOffset({100, 0});
    advance(0.5);
    EXPECT_EQ(scrollView_->contentOffset().x, 100) << "an offset set in code ends the animation";
}

TEST_F(ScrollViewTest, TheContentFollowsTheFingerAndStopsAtItsEdges) {
    finger_.fingerDown({100, 240});
    advance(0.05);
    finger_.fingerMoved({115, 240});
    EXPECT_TRUE(scrollView_->isDragging()) << "a few points sideways start a drag";
    EXPECT_EQ(scrollView_->contentOffset().x, 320) << "from where the drag began: no jump";
    EXPECT_EQ(rightPage_->calls.back(), "cancelled") << "the page loses the dragging finger";
    advance(0.05);
    finger_.fingerMoved({125, 242});
    EXPECT_EQ(scrollView_->contentOffset(), CGPointMake(310, 0))
        << "exactly the finger's sideways movement; no vertical room to move in";
    advance(0.05);
    finger_.fingerMoved({0, 240});
    EXPECT_EQ(scrollView_->contentOffset().x, 320) << "held at the content's end: no bounce";
    advance(0.05);
    finger_.fingerUp({0, 240});
    EXPECT_FALSE(scrollView_->isDragging());
    advance(1);
    EXPECT_EQ(scrollView_->contentOffset().x, 320);
}

TEST_F(ScrollViewTest, PagingSettlesOnTheNearestPageOrTheNextOneAfterAFlick) {
    dragAndSettle({100, 240}, {200, 240}, 10, 2);
    EXPECT_EQ(scrollView_->contentOffset().x, 320) << "a slow drag short of half a page";
    dragAndSettle({100, 240}, {300, 240}, 10, 2);
    EXPECT_EQ(scrollView_->contentOffset().x, 0) << "a slow drag past half a page";
    EXPECT_EQ(recorder_->offsets.back(), 0);

    dragAndSettle({200, 240}, {160, 240}, 4, 0.04);
    EXPECT_EQ(scrollView_->contentOffset().x, 320) << "a quick flick of 40 points turns the page";
    dragAndSettle({100, 240}, {300, 240}, 10, 2);
    ASSERT_EQ(scrollView_->contentOffset().x, 0);
    dragAndSettle({200, 240}, {100, 240}, 10, 2);
    EXPECT_EQ(scrollView_->contentOffset().x, 0) << "a slow drag back short of half a page";
}

TEST_F(ScrollViewTest, RecognisersOfTheContentAndDragsItCannotTakeAreLeftToOthers) {
    auto panned = attach<UIPanGestureRecognizer>(rightPage_, "handlePan:");
    drag({100, 240}, {250, 240});
    advance(1);
    EXPECT_EQ(scrollView_->contentOffset().x, 320) << "the page's own pan took the drag";
    EXPECT_EQ(target_->count("handlePan:"), 11) << "began, nine changes, ended";
    rightPage_->removeGestureRecognizer(panned);

    auto outer = std::make_shared<UIView>(CGRectMake(0, 0, 320, 480));
    window_->addSubview(outer);
    outer->addSubview(scrollView_);
    attach<UIPanGestureRecognizer>(outer, "handleOuterPan:");
    drag({100, 100}, {100, 300});
    EXPECT_EQ(scrollView_->contentOffset().x, 320);
    EXPECT_GT(target_->count("handleOuterPan:"), 0) << "a vertical drag reached the view behind";

    scrollView_->setScrollEnabled(false);
    drag({100, 240}, {300, 240});
    advance(1);
    EXPECT_EQ(scrollView_->contentOffset().x, 320);
    EXPECT_FALSE(scrollView_->isDragging());
}
