#pragma once

#include <functional>
#include <memory>

#include "platform/runtime/NSObject.h"
#include "prefs/bitmap/BitmapContextRepProtocol.h"

class BitmapContextRep;

// Base of the objects that carry out a rep's whole-image operations. It answers the rep's own
// operations by passing them on to the rep, which it does not own (the rep owns it); once the
// rep has gone they do nothing and read as empty. Each subclass registers its operations with
// the runtime under their selectors, which is how the rep finds who implements what.
class BitmapContextManipulator : public NSObject, public BitmapContextRepProtocol {
    RUNTIME_CLASS(BitmapContextManipulator)
    // initWithContext:
    explicit BitmapContextManipulator(const std::shared_ptr<BitmapContextRep>& bitmapContext);

    std::shared_ptr<BitmapContextRep> bitmapContext() const { return bitmapContext_.lock(); }
    void setBitmapContext(const std::shared_ptr<BitmapContextRep>& bitmapContext);

    CGContextRef context() const override;
    void setContext(const CGContextRef& context) override;
    BMPoint bitmapSize() const override;
    void setNeedsUpdate(bool needsUpdate) override;
    void getRawPixel_atPoint(std::span<uint8_t, 4> pixel, BMPoint point) override;
    void setRawPixel_atPoint(std::span<const uint8_t, 4> pixel, BMPoint point) override;
    CGImageRef CGImage() override;

protected:
    using Drawing = std::function<void(const CGContextRef&)>;
    // A new transparent context of `size` with `draw` run on it; null (and logged) when the
    // context cannot be made.
    static CGContextRef drawnContext(CGSize size, const Drawing& draw);
    // The rep's bitmap as a size in drawing units.
    CGSize bitmapExtent() const;

private:
    std::weak_ptr<BitmapContextRep> bitmapContext_;
};
