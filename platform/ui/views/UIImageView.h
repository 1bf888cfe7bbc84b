#pragma once

#include <memory>

#include "platform/ui/views/UIView.h"

class UIImage;

// Shows an image scaled to fill its bounds, at the image's own scale.
class UIImageView : public UIView {
    RUNTIME_CLASS(UIImageView)
    using UIView::UIView;
    // Sized to the image, in points.
    explicit UIImageView(std::shared_ptr<UIImage> image);

    const std::shared_ptr<UIImage>& image() const { return image_; }
    void setImage(std::shared_ptr<UIImage> image);
    CGSize sizeThatFits(CGSize size) const override;

private:
    std::shared_ptr<UIImage> image_;
};
