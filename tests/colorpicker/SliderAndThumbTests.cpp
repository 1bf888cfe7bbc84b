#include <gtest/gtest.h>

#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"
#include "prefs/colorpicker/BrightnessSlider.h"
#include "prefs/colorpicker/OpacitySlider.h"
#include "prefs/colorpicker/ThumbImages.h"
#include "tests/colorpicker/PickerTestSupport.h"
#include "tests/graphics/PixelProbe.h"

namespace {

constexpr Argb kBlack{255, 0, 0, 0};
constexpr Argb kClear{0, 0, 0, 0};

class SliderTest : public PickerTest {
protected:
    SliderTest() {
        brightness_->setColorPicker(picker_);
        opacity_->setColorPicker(picker_);
        window_->addSubview(brightness_);
        window_->addSubview(opacity_);
    }

    // Slides the thumb from the slider's middle to `x` along it, in the window.
    void slide(const std::shared_ptr<UISlider>& slider, double fromX, double toX) {
        const CGRect frame = slider->frame();
        const double y = CGRectGetMidY(frame);
        finger_.fingerDown({frame.origin.x + fromX, y});
        finger_.fingerMoved({frame.origin.x + toX, y});
        finger_.fingerUp({frame.origin.x + toX, y});
    }

    std::shared_ptr<BrightnessSlider> brightness_ =
        BrightnessSlider::initWithFrame(CGRectMake(10, 330, 228, 30));
    std::shared_ptr<OpacitySlider> opacity_ =
        OpacitySlider::initWithFrame(CGRectMake(10, 380, 228, 30));
};

Argb pixelOf(const std::shared_ptr<UIImage>& image, size_t x, size_t row) {
    return imagePixel(image->CGImage(), x, row);
}

}  // namespace

TEST_F(SliderTest, SlidersDriveTheirWheel) {
    EXPECT_EQ(brightness_->minimumValue(), 0);
    EXPECT_EQ(brightness_->maximumValue(), 1);
    EXPECT_TRUE(brightness_->isContinuous());
    EXPECT_EQ(brightness_->value(), 1) << "taken from the wheel";
    // The thumb travels 200 points from x = 14 to x = 214 of the slider.
    slide(brightness_, 214, 74);
    EXPECT_EQ(brightness_->value(), 0.3f);
    EXPECT_EQ(picker_->brightness(), static_cast<double>(0.3f)) << "widened, not re-rounded";
    EXPECT_EQ(picker_->brightnessLayer()->opacity(), static_cast<float>(1 - double{0.3f}));
    slide(opacity_, 214, 134);
    EXPECT_EQ(picker_->opacity(), static_cast<double>(0.6f));
    EXPECT_EQ(picker_->brightness(), static_cast<double>(0.3f));
}

TEST_F(SliderTest, AttachingTakesTheWheelsValueAndNoWheelKeepsTheSlidersOwn) {
    picker_->setOpacity(0.4);
    auto slider = OpacitySlider::initWithFrame(CGRectMake(0, 0, 200, 30));
    slider->setValue(0.9f);
    slider->setColorPicker(picker_);
    EXPECT_EQ(slider->value(), 0.4f);
    slider->setColorPicker(nullptr);
    EXPECT_EQ(slider->value(), 0.4f);
    slider->setValue(0.2f);
    slider->sendActionsForControlEvents(UIControlEventValueChanged);
    EXPECT_EQ(picker_->opacity(), 0.4) << "a slider without a wheel drives nothing";
}

TEST_F(SliderTest, TheOpacitySliderLaysACheckerboardUnderItsGradientInAWindow) {
    auto slider = OpacitySlider::initWithFrame(CGRectMake(0, 0, 200, 30));
    EXPECT_EQ(slider->backgroundColor(), nullptr);
    window_->addSubview(slider);
    ASSERT_NE(slider->backgroundColor(), nullptr);
    const CGColorRef& pattern = slider->backgroundColor()->CGColor();
    ASSERT_NE(pattern->patternImage(), nullptr);
    EXPECT_EQ(pattern->patternScale(), 2);
    EXPECT_EQ(CGImageGetWidth(pattern->patternImage()), 32u) << "16 points at 2×";
}

TEST_F(SliderTest, GradientsRunFromBlackOrClearToWhite) {
    for (const std::shared_ptr<ColorPickerSlider>& slider :
         {std::static_pointer_cast<ColorPickerSlider>(brightness_),
          std::static_pointer_cast<ColorPickerSlider>(opacity_)}) {
        const CGContextRef context =
            UIGraphicsCreateDrawingContext(nullptr, 100, 1, 0, 1, BitmapOpacity::Transparent);
        UIGraphicsPushContext(context);
        slider->drawRect(CGRectMake(0, 0, 100, 1));
        UIGraphicsPopContext();
        const Argb left = argbAt(context, 0, 0), right = argbAt(context, 99, 0);
        EXPECT_GT(right.r, 250);
        EXPECT_GT(right.a, 250);
        EXPECT_LT(left.r, 5);
        if (slider == brightness_) {
            EXPECT_EQ(left.a, 255);
        } else {
            EXPECT_LT(left.a, 5);
        }
    }
}

TEST(ThumbImages, TheHourglassNeckSitsAboutTheMiddle) {
    const auto image = HourGlassThumbImage({20, 40}, 4);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->scale(), 1);
    EXPECT_EQ(CGImageGetWidth(image->CGImage()), 20u);
    EXPECT_EQ(CGImageGetHeight(image->CGImage()), 40u);
    // The neck: x 8 to 12 from y 17.32 to 22.68, outlined in white.
    EXPECT_EQ(pixelOf(image, 10, 20), kBlack);
    EXPECT_EQ(pixelOf(image, 5, 20), kClear);
    EXPECT_EQ(pixelOf(image, 14, 19), kClear);
    // The outline straddles the neck's edge: half over nothing, half over the black.
    EXPECT_NEAR(pixelOf(image, 7, 20).a, 128, 30);
    EXPECT_EQ(pixelOf(image, 8, 20).a, 255);
    EXPECT_NEAR(pixelOf(image, 8, 20).r, 128, 30);
    // The wide ends, flat one pixel beyond the image.
    EXPECT_EQ(pixelOf(image, 10, 0), kBlack);
    EXPECT_EQ(pixelOf(image, 10, 39), kBlack);
    EXPECT_EQ(pixelOf(image, 3, 2), kBlack);
}

TEST(ThumbImages, TheLoopIsAFrameRoundAnOutlinedHole) {
    const auto image = ArrowLoopThumbImage({20, 20}, {10, 6});
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(pixelOf(image, 1, 1), kBlack);
    EXPECT_EQ(pixelOf(image, 10, 10), kClear) << "the hole";
    // The hole's lower edge (y 7 from the bottom: between rows 12 and 13) is stroked white
    // across the boundary, half over the frame and half over the hole.
    EXPECT_EQ(pixelOf(image, 10, 13).a, 255);
    EXPECT_NEAR(pixelOf(image, 10, 13).r, 128, 30);
    EXPECT_NEAR(pixelOf(image, 10, 12).a, 128, 30);
    EXPECT_EQ(HourGlassThumbImage({0, 10}, 2), nullptr) << "no bitmap of no width";
}
