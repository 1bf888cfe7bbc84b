#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/text/UIFont.h"
#include "tests/hud/HUDTestSupport.h"
#include "tweak/hud/BarProgressView.h"
#include "tweak/hud/RoundProgressView.h"

namespace {

constexpr CGFloat kScale = 2;
constexpr int kFaint = 26;  // white at alpha 0.1

// The view's own drawing at twice its size.
CGImageRef drawingOf(UIView& view) {
    view.layer()->setContentsScale(kScale);
    return view.layer()->backingImage();
}

struct Probe {
    CGFloat x, y;
    int alpha;
};

void expectAlphas(UIView& view, std::initializer_list<Probe> probes) {
    const CGImageRef picture = drawingOf(view);
    ASSERT_TRUE(picture);
    for (const Probe& probe : probes) {
        EXPECT_NEAR(alphaAt(*picture, probe.x, probe.y, kScale), probe.alpha, 2)
            << "at (" << probe.x << ", " << probe.y << ")";
    }
}

}  // namespace

// A 120 × 20 bar: outline radius 8, fill radius 6; the right end's circle is centred at x = 110.
TEST(BarProgressDrawingTest, TheFillTakesTheLeftEndTheMiddleOrRunsIntoTheRightEnd) {
    auto bar = std::make_shared<BarProgressView>();
    expectAlphas(*bar, {{60, 2, 255}, {7, 10, 0}, {60, 10, 0}});

    bar->setProgress(0.05f);  // 6 points: the whole left end, no further
    expectAlphas(*bar, {{5, 10, 255}, {9, 10, 255}, {7, 6, 255}, {11, 10, 0}, {60, 10, 0}});

    bar->setProgress(0.5f);  // to x = 60
    expectAlphas(*bar, {{5, 10, 255}, {30, 5, 255}, {59, 15, 255}, {61, 10, 0}, {61, 5, 0}});

    bar->setProgress(0.95f);  // to x = 114, into the right end
    expectAlphas(*bar, {{100, 5, 255},
                        {111, 5, 255},
                        {113, 8, 255},
                        {113, 12, 255},
                        {115, 8, 0},
                        {115, 12, 0},
                        {113.5, 4.5, 0}});

    bar->setProgress(1);
    expectAlphas(*bar, {{115, 10, 255}, {113, 6, 255}});
}

TEST(BarProgressDrawingTest, ColoursPaintTheirParts) {
    auto bar = std::make_shared<BarProgressView>();
    bar->setProgress(0.5f);
    bar->setProgressRemainingColor(UIColor::colorWithRed_green_blue_alpha(0, 0, 1, 1));
    bar->setProgressColor(UIColor::colorWithRed_green_blue_alpha(1, 0, 0, 1));
    bar->setLineColor(nullptr);
    const CGImageRef picture = drawingOf(*bar);
    EXPECT_EQ(picture->pixelAt(30 * 2, 10 * 2), 0xffff0000u) << "filled";
    EXPECT_EQ(picture->pixelAt(90 * 2, 10 * 2), 0xff0000ffu) << "remaining";
    EXPECT_EQ(picture->pixelAt(60 * 2, 1 * 2) >> 24, 0u) << "no line colour draws no line";
}

// A 37 × 37 view: the centre at 18.5, the pie's radius 16.5, the ring's 16 (13.5 to 18.5).
TEST(RoundProgressDrawingTest, AQuarterPieFillsFromTwelveToThreeOClock) {
    auto pie = std::make_shared<RoundProgressView>();
    expectAlphas(*pie, {{26, 10, kFaint}, {26, 26, kFaint}, {10, 26, kFaint}, {10, 10, kFaint}});

    pie->setProgress(0.25f);
    expectAlphas(*pie, {{26, 10, 255},
                        {20, 6, 255},
                        {17, 6, kFaint},
                        {30, 17, 255},
                        {30, 20, kFaint},
                        {26, 26, kFaint},
                        {10, 26, kFaint},
                        {10, 10, kFaint},
                        {0.5, 0.5, 0}});

    pie->setProgressTintColor(UIColor::colorWithRed_green_blue_alpha(1, 0, 0, 1));
    EXPECT_EQ(drawingOf(*pie)->pixelAt(26 * 2, 10 * 2), 0xffffffffu)
        << "the pie is white whatever the tint";

    pie->setProgress(1);
    expectAlphas(*pie, {{26, 26, 255}, {10, 26, 255}, {10, 10, 255}});
}

TEST(RoundProgressDrawingTest, AHalfRingStrokesTheRightHalfOverTheFaintRing) {
    auto ring = std::make_shared<RoundProgressView>();
    ring->setAnnular(true);
    ring->setProgress(0.5f);
    const CGFloat quarter = 16 * std::sqrt(0.5);
    expectAlphas(*ring, {{34.5, 18.5, 255},
                         {18.5 + quarter, 18.5 - quarter, 255},
                         {18.5 + quarter, 18.5 + quarter, 255},
                         {2.5, 18.5, kFaint},
                         {18.5 - quarter, 18.5 + quarter, kFaint},
                         {18.5 - quarter, 18.5 - quarter, kFaint},
                         {18.5, 18.5, 0}});
}

class HUDBoxDrawingTest : public HUDTest {
protected:
    // A text-only HUD reading "Saved", laid out, with the box's rectangle.
    std::shared_ptr<ProgressHUD> savedHUD() {
        auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
        hud->setMode(ProgressHUDModeText);
        hud->setLabelText("Saved");
        hud->layoutIfNeeded();
        const CGSize size = hud->size();
        box_ = {{std::round((320 - size.width) / 2), std::round((480 - size.height) / 2)}, size};
        return hud;
    }

    CGRect box_{};
};

TEST_F(HUDBoxDrawingTest, TheBoxIsARoundedTranslucentBlackRectangle) {
    auto hud = savedHUD();
    const CGImageRef picture = drawingOf(*hud);
    const auto alpha = [&](CGFloat x, CGFloat y) { return alphaAt(*picture, x, y, kScale); };
    const CGFloat left = box_.origin.x, top = box_.origin.y;
    EXPECT_NEAR(alpha(left + 3, top + 15), 204, 1) << "black at 0.8 inside";
    EXPECT_EQ(picture->pixelAt((left + 3) * 2, (top + 15) * 2) & 0xffffff, 0u);
    EXPECT_EQ(alpha(left - 2, top + 15), 0) << "nothing around the box";
    EXPECT_EQ(alpha(left + 0.5, top + 0.5), 0) << "rounded corner";
    EXPECT_NEAR(alpha(left + 10, top + 0.5), 204, 1) << "the straight edge begins past the radius";

    hud->setColor(UIColor::colorWithRed_green_blue_alpha(1, 0, 0, 1));
    hud->setOpacity(0.1f);
    hud->setNeedsDisplay();
    EXPECT_EQ(drawingOf(*hud)->pixelAt((left + 3) * 2, (top + 15) * 2), 0xffff0000u)
        << "a colour overrides the opacity";
}

TEST_F(HUDBoxDrawingTest, DimmingDarkensRadiallyToThreeQuartersBeyondTheShorterSide) {
    auto hud = savedHUD();
    hud->setDimBackground(true);
    hud->setNeedsDisplay();
    const CGImageRef picture = drawingOf(*hud);
    // The shade grows with the distance from the centre up to the shorter side, 320.
    const auto dimming = [](CGFloat x, CGFloat y) {
        return 0.75 * std::min(std::hypot(x - 160, y - 240) / 320, 1.0);
    };
    for (const CGPoint p : {CGPoint{20, 20}, CGPoint{160, 100}, CGPoint{300, 400}}) {
        EXPECT_NEAR(alphaAt(*picture, p.x, p.y, kScale), 255 * dimming(p.x, p.y), 3)
            << "at (" << p.x << ", " << p.y << ")";
        EXPECT_EQ(picture->pixelAt(p.x * 2, p.y * 2) & 0xffffff, 0u) << "black";
    }
    const CGPoint inBox{box_.origin.x + 3, box_.origin.y + 15};
    EXPECT_NEAR(alphaAt(*picture, inBox.x, inBox.y, kScale),
                255 * (0.8 + 0.2 * dimming(inBox.x, inBox.y)), 2)
        << "the box is painted over the dimming";
}
