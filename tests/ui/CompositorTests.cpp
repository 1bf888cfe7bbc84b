#include <cmath>
#include <limits>
#include <numbers>

#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/ui/layers/CAAnimation.h"
#include "tests/ui/CompositorTestSupport.h"

namespace {

CGImageRef solidImage(size_t width, size_t height, uint32_t argb) {
    return std::make_shared<const CGImage>(width, height,
                                           std::vector<uint32_t>(width * height, argb), false);
}

// Draws a blue square in the top-left quarter of its layer, and counts how often it is asked.
class QuarterPainter : public StillLayerDelegate {
public:
    bool layerDrawsContent(const CALayer*) const override { return true; }
    void drawLayer_inContext(CALayer* layer, const CGContextRef& context) override {
        ++draws;
        CGContextSetRGBFillColor(context, 0, 0, 1, 1);
        const CGRect b = layer->bounds();
        CGContextFillRect(context,
                          CGRectMake(b.origin.x, b.origin.y, b.size.width / 2, b.size.height / 2));
    }
    int draws = 0;
};

}  // namespace

TEST_F(CompositorTest, PlacesLayersByPositionAnchorAndBoundsOrigin) {
    makeScreen(40, 40, 2);
    auto layer = makeLayer(CGRectMake(0, 0, 10, 10), rgb(1, 0, 0));
    layer->setAnchorPoint({0, 1});
    layer->setPosition({20, 20});  // the bottom-left corner
    root_->addSublayer(layer);
    // A parent whose bounds start at (5, 5): a child at (5, 5) sits at its top-left corner.
    auto scrolled = makeLayer(CGRectMake(0, 30, 10, 10));
    scrolled->setBounds(CGRectMake(5, 5, 10, 10));
    scrolled->addSublayer(makeLayer(CGRectMake(5, 5, 4, 4), rgb(0, 0, 1)));
    root_->addSublayer(scrolled);
    ASSERT_TRUE(render());

    EXPECT_EQ(at(20, 10), kRed);
    EXPECT_EQ(at(29.5, 19.5), kRed);
    EXPECT_EQ(at(19.5, 15), kBlack);
    EXPECT_EQ(at(20, 20), kBlack);
    EXPECT_EQ(at(0, 30), kBlue);
    EXPECT_EQ(at(3.5, 33.5), kBlue);
    EXPECT_EQ(at(4, 34), kBlack);
}

TEST_F(CompositorTest, TurnsAndScalesWithAffineTransforms) {
    makeScreen(40, 40, 1);
    auto bar = makeLayer(CGRectMake(10, 18, 20, 4), rgb(1, 1, 1));
    bar->setTransform(CATransform3DMakeRotation(std::numbers::pi / 2, 0, 0, 1));
    root_->addSublayer(bar);
    ASSERT_TRUE(render());
    EXPECT_EQ(at(20, 12), kWhite) << "a quarter turn stands the bar upright";
    EXPECT_EQ(at(13, 20), kBlack);
}

TEST_F(CompositorTest, OpacityAppliesToAGroupOnce) {
    makeScreen(40, 40, 1);
    auto parent = makeLayer(CGRectMake(0, 0, 40, 40));
    parent->setOpacity(0.5);
    parent->addSublayer(makeLayer(CGRectMake(0, 0, 25, 40), rgb(1, 1, 1)));
    parent->addSublayer(makeLayer(CGRectMake(15, 0, 25, 40), rgb(1, 1, 1)));
    root_->addSublayer(parent);
    auto leaf = makeLayer(CGRectMake(0, 0, 5, 5), rgb(1, 0, 0));
    leaf->setOpacity(0.5);
    root_->addSublayer(leaf);
    ASSERT_TRUE(render());

    EXPECT_TRUE(near(at(20, 20), {128, 128, 128})) << "the overlap is no darker nor lighter";
    EXPECT_TRUE(near(at(5, 20), {128, 128, 128}));
    EXPECT_TRUE(near(at(2, 2), {191, 64, 64})) << "a half red leaf over the half grey group";
}

TEST_F(CompositorTest, CornerRadiusCutsContentAndMasksToBoundsCutsSublayers) {
    makeScreen(40, 40, 2);
    auto rounded = makeLayer(CGRectMake(0, 0, 20, 20), rgb(1, 0, 0));
    rounded->setCornerRadius(8);
    rounded->setContents(solidImage(2, 2, 0xff0000ff));  // blue, stretched over the bounds
    root_->addSublayer(rounded);

    auto clipping = makeLayer(CGRectMake(20, 20, 20, 20), rgb(1, 0, 0));
    clipping->setMasksToBounds(true);
    clipping->setCornerRadius(6);
    clipping->addSublayer(makeLayer(CGRectMake(-10, -10, 40, 15), rgb(1, 1, 1)));
    root_->addSublayer(clipping);
    auto unclipped = makeLayer(CGRectMake(0, 25, 10, 10));
    unclipped->addSublayer(makeLayer(CGRectMake(-5, 0, 20, 5), rgb(0, 1, 0)));
    root_->addSublayer(unclipped);
    ASSERT_TRUE(render());

    EXPECT_EQ(at(0, 0), kBlack) << "the corner is cut";
    EXPECT_EQ(at(10, 10), kBlue) << "contents stretched over the bounds";
    EXPECT_EQ(at(10, 0), kBlue);
    EXPECT_EQ(at(20, 20), kBlack) << "the sublayer is cut at the rounded corner";
    EXPECT_EQ(at(30, 20), kWhite);
    EXPECT_EQ(at(30, 26), kRed);
    EXPECT_EQ(at(30, 15), kBlack) << "nothing outside the bounds";
    EXPECT_EQ(at(12, 26), (Rgb{0, 255, 0})) << "without masking, sublayers reach outside";
}

TEST_F(CompositorTest, ShadowsFallDownByTheirOffsetAndBlurByTheirRadius) {
    makeScreen(40, 40, 2);
    root_->setBackgroundColor(rgb(1, 1, 1));
    auto hard = makeLayer(CGRectMake(4, 4, 10, 10), rgb(1, 1, 1));
    hard->setShadowColor(rgb(0, 0, 0));
    hard->setShadowOpacity(1);
    hard->setShadowOffset({0, 3});
    hard->setShadowRadius(0);
    root_->addSublayer(hard);
    auto soft = makeLayer(CGRectMake(24, 4, 10, 10), rgb(1, 1, 1));
    soft->setShadowColor(rgb(0, 0, 0));
    soft->setShadowOpacity(1);
    soft->setShadowOffset({0, 3});
    soft->setShadowRadius(3);
    root_->addSublayer(soft);
    ASSERT_TRUE(render());

    EXPECT_EQ(at(8, 15), kBlack) << "below the layer";
    EXPECT_EQ(at(8, 16.5), kBlack);
    EXPECT_EQ(at(8, 17), kWhite);
    EXPECT_EQ(at(8, 3.5), kWhite) << "nothing above: y runs down";
    // The blurred edge fades over several pixels instead of stopping.
    int shades = 0;
    for (int py = 26; py < 44; ++py) {
        const int level = pixel(58, py).r;
        shades += level > 10 && level < 245;
    }
    EXPECT_GE(shades, 5);
    EXPECT_LT(at(29, 15).r, at(29, 18).r) << "darker nearer the layer";
}

TEST_F(CompositorTest, DrawingLayersPaintAtTheirContentsScaleAndAreKept) {
    makeScreen(20, 20, 2);
    const auto painter = std::make_shared<QuarterPainter>();
    auto drawn = CALayer::layer();
    drawn->setDelegate(painter);
    drawn->setContentsScale(2);
    drawn->setFrame(CGRectMake(2, 2, 10, 10));
    drawn->setBounds(CGRectMake(100, 100, 10, 10));
    drawn->setNeedsDisplay();
    root_->addSublayer(drawn);
    ASSERT_TRUE(render());

    EXPECT_EQ(drawn->contentsScale(), 2) << "the screen's scale does not overrule the layer's";
    EXPECT_EQ(pixel(4, 4), kBlue);
    EXPECT_EQ(pixel(13, 13), kBlue);
    EXPECT_EQ(pixel(14, 14), kBlack);
    drawn->setPosition({8, 8});
    ASSERT_TRUE(render());
    EXPECT_EQ(painter->draws, 1) << "moving a layer does not redraw it";
}

TEST_F(CompositorTest, AOneXDrawingOnATwoXScreenIsStretched) {
    makeScreen(20, 20, 2);
    const auto painter = std::make_shared<QuarterPainter>();
    auto drawn = CALayer::layer();
    drawn->setDelegate(painter);
    drawn->setFrame(CGRectMake(0, 0, 5, 5));
    drawn->setNeedsDisplay();
    root_->addSublayer(drawn);
    ASSERT_TRUE(render());
    EXPECT_EQ(drawn->contentsScale(), 1);
    // 2.5 points of blue drawn as 2.5 pixels and stretched: soft where a 2× drawing is sharp.
    EXPECT_EQ(pixel(1, 1), kBlue);
    EXPECT_NE(pixel(4, 4), kBlue);
    EXPECT_NE(pixel(4, 4), kBlack);
}

TEST_F(CompositorTest, PatternBackgroundsTileFromTheLayerCorner) {
    makeScreen(20, 20, 1);
    const auto tile =
        std::make_shared<const CGImage>(2, 1, std::vector<uint32_t>{0xffff0000, 0xff0000ff}, true);
    auto layer = makeLayer(CGRectMake(3, 0, 10, 10), CGColorCreateWithPatternImage(tile, 1));
    root_->addSublayer(layer);
    ASSERT_TRUE(render());
    EXPECT_EQ(at(3, 5), kRed);
    EXPECT_EQ(at(4, 5), kBlue);
    EXPECT_EQ(at(5, 5), kRed);
}

TEST_F(CompositorTest, PerspectiveTurnsNarrowTheLayerAndEnlargeItsNearEdge) {
    makeScreen(40, 40, 2);
    auto card = makeLayer(CGRectMake(5, 5, 30, 30), rgb(1, 1, 1));
    CATransform3D eye = CATransform3DIdentity;
    eye.m34 = -1.0 / 80;  // close, so that the difference shows on a tiny screen
    card->setTransform(CATransform3DRotate(eye, std::numbers::pi / 3, 0, 1, 0));
    root_->addSublayer(card);
    ASSERT_TRUE(render());

    const auto columnHeight = [&](int px) {
        int height = 0;
        for (int py = 0; py < 80; ++py) height += pixel(px, py).r > 128;
        return height;
    };
    int left = 80, right = -1;
    for (int px = 0; px < 80; ++px) {
        if (columnHeight(px) > 0) {
            left = std::min(left, px);
            right = std::max(right, px);
        }
    }
    ASSERT_LT(left, right);
    EXPECT_LT(right - left + 1, 40) << "narrower than the 60 pixel layer";
    // A positive turn about y brings the left edge towards the eye.
    EXPECT_GT(columnHeight(left + 1), columnHeight(right - 1) + 4);
}

TEST_F(CompositorTest, SkipsFramesWhenNothingChanged) {
    makeScreen(20, 20, 1);
    auto layer = makeLayer(CGRectMake(0, 0, 10, 10), rgb(1, 0, 0));
    root_->addSublayer(layer);
    const auto otherRoot = makeLayer(CGRectMake(0, 0, 1, 1));
    EXPECT_TRUE(render());
    EXPECT_FALSE(render());
    EXPECT_TRUE(compositor_->renderFrame({root_, otherRoot})) << "a different set of roots";

    layer->setBackgroundColor(rgb(0, 0, 1));
    EXPECT_TRUE(render());
    EXPECT_EQ(at(5, 5), kBlue);
    EXPECT_FALSE(render());

    auto fade = CABasicAnimation::animationWithKeyPath("opacity");
    fade->setFromValue(0.0);
    fade->setDuration(1);
    layer->addAnimation_forKey(fade, "fade");
    NSRunLoop::mainRunLoop().runOneTurn();
    EXPECT_TRUE(render());
    clock_->advanceBy(0.5);
    EXPECT_TRUE(render()) << "frames keep coming while an animation runs";
    EXPECT_TRUE(near(at(5, 5), {0, 0, 128}, 3));
    NSRunLoop::mainRunLoop().runUntilDate(clock_->now() + 1);
    EXPECT_TRUE(render());
    EXPECT_FALSE(render());
}

TEST_F(CompositorTest, BadGeometryDrawsNothingAndNeverFails) {
    makeScreen(20, 20, 2);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto empty = makeLayer(CGRectMake(1, 1, 0, 0), rgb(1, 0, 0));
    empty->setShadowColor(rgb(0, 0, 0));
    empty->setShadowOpacity(1);
    root_->addSublayer(empty);
    auto notANumber = makeLayer(CGRectMake(1, 1, 5, 5), rgb(1, 0, 0));
    CATransform3D t = CATransform3DIdentity;
    t.m11 = nan;
    notANumber->setTransform(t);
    root_->addSublayer(notANumber);
    auto singular = makeLayer(CGRectMake(1, 1, 5, 5), rgb(1, 0, 0));
    singular->setTransform(CATransform3DMakeScale(0, 0, 1));
    singular->setShadowColor(rgb(0, 0, 0));
    singular->setShadowOpacity(1);
    root_->addSublayer(singular);
    auto behind = makeLayer(CGRectMake(1, 1, 5, 5), rgb(1, 0, 0));
    CATransform3D away = CATransform3DIdentity;
    away.m44 = -1;
    behind->setTransform(away);
    root_->addSublayer(behind);
    auto huge = makeLayer(CGRectMake(-1e12, -1e12, 2e12, 2e12), rgb(0, 0, 1));
    huge->setCornerRadius(1e11);
    huge->setShadowColor(rgb(0, 0, 0));
    huge->setShadowOpacity(1);
    huge->setShadowRadius(1e9);
    huge->setOpacity(0.5);
    huge->addSublayer(makeLayer(CGRectMake(0, 0, 1, 1), rgb(1, 1, 1)));
    root_->addSublayer(huge);
    auto infinite = makeLayer(CGRectMake(0, 0, INFINITY, 5), rgb(1, 0, 0));
    root_->addSublayer(infinite);
    ASSERT_TRUE(render());
    EXPECT_EQ(renderLayerContent(*huge, 2), nullptr);
    EXPECT_EQ(renderLayerContent(*empty, 2), nullptr);
}

TEST_F(CompositorTest, PlacesAndOpacitiesThatAreNotNumbersDrawNothing) {
    makeScreen(20, 20, 2);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    auto misplaced = makeLayer(CGRectMake(1, 1, 5, 5), rgb(1, 0, 0));
    misplaced->setPosition({nan, 3});
    auto painted = std::make_shared<QuarterPainter>();
    auto unsized = makeLayer(CGRectMake(1, 1, 5, 5));
    unsized->setDelegate(painted);
    unsized->setBounds(CGRectMake(0, 0, nan, 5));
    auto unseen = makeLayer(CGRectMake(1, 1, 5, 5), rgb(1, 0, 0));
    unseen->setOpacity(std::nanf(""));
    unseen->setShadowColor(rgb(1, 1, 1));
    unseen->setShadowOpacity(std::nanf(""));
    auto belowZero = makeLayer(CGRectMake(1, 1, 5, 5), rgb(1, 0, 0));
    belowZero->setOpacity(-infinity);
    auto aboveOne = makeLayer(CGRectMake(10, 10, 5, 5), rgb(0, 0, 1));
    aboveOne->setOpacity(infinity);
    for (const auto& layer : {misplaced, unsized, unseen, belowZero, aboveOne})
        root_->addSublayer(layer);
    ASSERT_TRUE(render());
    for (const CGPoint point : {CGPointMake(0, 0), CGPointMake(3, 3), CGPointMake(5.5, 5.5)})
        EXPECT_EQ(at(point.x, point.y), kBlack) << point.x << ", " << point.y;
    EXPECT_EQ(at(12, 12), kBlue) << "an infinite opacity is full opacity";
    EXPECT_EQ(painted->draws, 0);
    EXPECT_EQ(renderLayerContent(*unsized, 2), nullptr);
}

TEST_F(CompositorTest, ContentPicturesLeaveOutPlacementOpacityAndShadow) {
    auto card = makeLayer(CGRectMake(50, 50, 4, 3), rgb(1, 0, 0));
    card->setOpacity(0.5);
    card->setShadowOpacity(1);
    card->setTransform(CATransform3DMakeRotation(1, 0, 0, 1));
    card->addSublayer(makeLayer(CGRectMake(2, 0, 2, 3), rgb(0, 0, 1)));
    const CGImageRef picture = renderLayerContent(*card, 2);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 8u);
    EXPECT_EQ(picture->height(), 6u);
    EXPECT_EQ(picture->pixelAt(0, 0), 0xffff0000u);
    EXPECT_EQ(picture->pixelAt(7, 5), 0xff0000ffu);
}
