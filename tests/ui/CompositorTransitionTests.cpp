#include "platform/ui/layers/LayerTransition.h"
#include "tests/ui/CompositorTestSupport.h"

namespace {

// A 20-point layer whose live content is blue, changing from a red picture.
class TransitionTest : public CompositorTest {
protected:
    TransitionTest() {
        makeScreen(40, 40, 2);
        layer_ = makeLayer(CGRectMake(10, 5, 20, 20), rgb(0, 0, 1));
        root_->addSublayer(layer_);
    }

    void start(TransitionKind kind, CGPoint target = {}) {
        auto transition = std::make_shared<LayerTransition>();
        transition->kind = kind;
        transition->beginTime = clock_->now();
        transition->duration = 1;
        transition->before =
            std::make_shared<const CGImage>(40, 40, std::vector<uint32_t>(1600, 0xffff0000u), true);
        transition->beforeScale = 2;
        transition->target = target;
        begin_ = clock_->now();
        layer_->setTransition(transition);
    }

    // Renders at `fraction` of the transition's duration.
    void renderAt(double fraction) {
        clock_->advanceTo(begin_ + fraction);
        ASSERT_TRUE(render());
    }

    struct Census {
        int red = 0, blue = 0, other = 0;
    };
    // What covers the screen, pixel by pixel, in pure red, pure blue, and anything but black.
    Census census(CGRect points = CGRectMake(0, 0, 40, 40)) const {
        Census c;
        for (CGFloat py = points.origin.y * 2; py < CGRectGetMaxY(points) * 2; ++py) {
            for (CGFloat px = points.origin.x * 2; px < CGRectGetMaxX(points) * 2; ++px) {
                const Rgb p = pixel(px, py);
                if (p == kRed)
                    ++c.red;
                else if (p == kBlue)
                    ++c.blue;
                else if (p != kBlack)
                    ++c.other;
            }
        }
        return c;
    }

    // Rows of the picture in one pixel column.
    int coloredHeight(int px) const {
        int height = 0;
        for (int py = 0; py < 80; ++py) height += pixel(px, py) != kBlack;
        return height;
    }

    std::shared_ptr<CALayer> layer_;
    double begin_ = 0;
};

constexpr int kLayerPixels = 40 * 40;

}  // namespace

TEST_F(TransitionTest, FlipsTurnTheOldPictureAwayAndTheNewOneIn) {
    for (const auto kind : {TransitionKind::FlipFromLeft, TransitionKind::FlipFromRight}) {
        SCOPED_TRACE(static_cast<int>(kind));
        start(kind);
        renderAt(0);
        EXPECT_EQ(census().red, kLayerPixels);

        renderAt(0.3);  // the old picture, part way through its quarter turn
        const Census turning = census();
        EXPECT_GT(turning.red, kLayerPixels / 4);
        EXPECT_EQ(turning.blue, 0);
        int left = 80, right = -1;
        for (int px = 0; px < 80; ++px) {
            if (coloredHeight(px) > 0) {
                left = std::min(left, px);
                right = std::max(right, px);
            }
        }
        EXPECT_LT(right - left + 1, 36) << "narrower than the layer";
        const int leftHeight = coloredHeight(left + 1), rightHeight = coloredHeight(right - 1);
        if (kind == TransitionKind::FlipFromLeft)
            EXPECT_GT(leftHeight, rightHeight) << "the left edge comes towards the eye";
        else
            EXPECT_GT(rightHeight, leftHeight) << "the right edge comes towards the eye";

        renderAt(0.5);
        EXPECT_LT(census().red + census().blue + census().other, kLayerPixels / 10)
            << "edge on at the middle";
        renderAt(0.7);
        EXPECT_EQ(census().red, 0);
        EXPECT_GT(census().blue, kLayerPixels / 4);
        renderAt(1);
        EXPECT_EQ(census().blue, kLayerPixels);
        begin_ = clock_->now() + 1;
        clock_->advanceTo(begin_);
    }
}

TEST_F(TransitionTest, CurlsPeelTheOldPictureOffFromTheirEdge) {
    start(TransitionKind::CurlUp);
    renderAt(0);
    EXPECT_EQ(census().red, kLayerPixels);
    renderAt(0.5);
    EXPECT_EQ(at(29, 24), kBlue) << "uncovered at the bottom right first";
    EXPECT_EQ(at(10, 5), kRed) << "still lying flat at the top left";
    EXPECT_GT(census().other, kLayerPixels / 10) << "the pale underside of the curl";
    EXPECT_EQ(census(CGRectMake(0, 0, 10, 40)).other, 0) << "drawn within the layer";
    renderAt(1);
    EXPECT_EQ(census().blue, kLayerPixels);

    begin_ = clock_->now() + 1;
    clock_->advanceTo(begin_);
    start(TransitionKind::CurlDown);
    renderAt(0.5);
    EXPECT_EQ(at(29, 5), kBlue) << "uncovered at the top right first";
    EXPECT_EQ(at(10, 24.5), kRed);
}

TEST_F(TransitionTest, CollapseDrawsTheOldPictureIntoTheTargetPoint) {
    layer_->setHidden(true);  // what a collapse usually ends in
    start(TransitionKind::Collapse, {20, 38});
    renderAt(0);
    EXPECT_EQ(census().red, kLayerPixels);
    EXPECT_EQ(census().other, 0);

    renderAt(0.5);
    EXPECT_GT(census(CGRectMake(0, 25, 40, 15)).red, 0) << "on its way down to the point";
    EXPECT_EQ(at(10, 24.5), kBlack) << "its lower end narrows first";
    EXPECT_EQ(at(20, 24.5), kRed);

    renderAt(0.8);
    const Census late = census();
    EXPECT_GT(late.red + late.other, 0);
    EXPECT_LT(late.red + late.other, kLayerPixels / 2) << "smaller";
    EXPECT_EQ(at(10, 5), kBlack) << "the top corners pull in";
    EXPECT_EQ(at(29.5, 5), kBlack);

    renderAt(0.98);
    const Census end = census();
    EXPECT_LT(end.red + end.other, 40) << "almost gone";
    renderAt(1);
    EXPECT_EQ(census().red + census().other + census().blue, 0);
}

TEST_F(TransitionTest, FinishedTransitionsDrawTheLayerItself) {
    start(TransitionKind::CurlUp);
    renderAt(2);
    EXPECT_EQ(census().blue, kLayerPixels);
    EXPECT_EQ(census().red, 0);
}

TEST_F(CompositorTest, FlipsOfScreenSizedLayersShowTheWholePicture) {
    // Large enough that a perspective map out of fixed-point range would smear the edge pixels
    // over the picture.
    makeScreen(320, 320, 2);
    auto card = makeLayer(CGRectMake(10, 10, 300, 300), rgb(0, 0, 1));
    card->addSublayer(makeLayer(CGRectMake(0, 0, 150, 300), rgb(0, 1, 0)));
    root_->addSublayer(card);
    auto transition = std::make_shared<LayerTransition>();
    transition->kind = TransitionKind::FlipFromLeft;
    transition->beginTime = clock_->now();
    transition->duration = 1;
    card->setTransition(transition);
    clock_->advanceBy(0.8);
    ASSERT_TRUE(render());
    EXPECT_EQ(at(85, 160), (Rgb{0, 255, 0}));
    EXPECT_EQ(at(235, 160), kBlue);
}
