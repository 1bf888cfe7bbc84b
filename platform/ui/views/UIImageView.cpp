#include "platform/ui/views/UIImageView.h"

#include "platform/graphics/UIImage.h"
#include "platform/runtime/Runtime.h"

Class UIImageView::classObject() {
    static const Class cls = defineClass<UIImageView>("UIImageView", UIView::classObject());
    return cls;
}

UIImageView::UIImageView(std::shared_ptr<UIImage> image) {
    setImage(std::move(image));
    if (image_) setFrame({{0, 0}, image_->size()});
}

void UIImageView::setImage(std::shared_ptr<UIImage> image) {
    image_ = std::move(image);
    layer()->setContents(image_ ? image_->CGImage() : nullptr);
    layer()->setContentsScale(image_ ? image_->scale() : 1);
}

CGSize UIImageView::sizeThatFits(CGSize) const {
    return image_ ? image_->size() : bounds().size;
}
