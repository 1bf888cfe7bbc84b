#include "platform/graphics/detail/CGContext.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "platform/graphics/detail/BoxBlur.h"
#include "platform/graphics/detail/CairoPath.h"
#include "platform/graphics/detail/ImageSnapshot.h"

using detail::CoverageMask;
using detail::IntRect;
using detail::PixmanImage;

namespace {

CGColorRef opaqueBlack() {
    static const CGFloat components[] = {0, 1};
    static const CGColorRef black = CGColorCreate(CGColorSpaceCreateDeviceGray(), components);
    return black;
}

cairo_matrix_t cairoMatrix(const CGAffineTransform& t) {
    return {t.a, t.b, t.c, t.d, t.tx, t.ty};
}

// The largest factor by which `t` stretches a length.
CGFloat maximumScale(const CGAffineTransform& t) {
    return std::max(std::hypot(t.a, t.b), std::hypot(t.c, t.d));
}

std::optional<pixman_op_t> boundedOperator(CGBlendMode mode) {
    switch (mode) {
        case kCGBlendModeMultiply:
            return PIXMAN_OP_MULTIPLY;
        case kCGBlendModeScreen:
            return PIXMAN_OP_SCREEN;
        case kCGBlendModeOverlay:
            return PIXMAN_OP_OVERLAY;
        case kCGBlendModeDarken:
            return PIXMAN_OP_DARKEN;
        case kCGBlendModeLighten:
            return PIXMAN_OP_LIGHTEN;
        case kCGBlendModeColorDodge:
            return PIXMAN_OP_COLOR_DODGE;
        case kCGBlendModeColorBurn:
            return PIXMAN_OP_COLOR_BURN;
        case kCGBlendModeSoftLight:
            return PIXMAN_OP_SOFT_LIGHT;
        case kCGBlendModeHardLight:
            return PIXMAN_OP_HARD_LIGHT;
        case kCGBlendModeDifference:
            return PIXMAN_OP_DIFFERENCE;
        case kCGBlendModeExclusion:
            return PIXMAN_OP_EXCLUSION;
        case kCGBlendModeHue:
            return PIXMAN_OP_HSL_HUE;
        case kCGBlendModeSaturation:
            return PIXMAN_OP_HSL_SATURATION;
        case kCGBlendModeColor:
            return PIXMAN_OP_HSL_COLOR;
        case kCGBlendModeLuminosity:
            return PIXMAN_OP_HSL_LUMINOSITY;
        case kCGBlendModeSourceAtop:
            return PIXMAN_OP_ATOP;
        case kCGBlendModeDestinationOver:
            return PIXMAN_OP_OVER_REVERSE;
        case kCGBlendModeDestinationOut:
            return PIXMAN_OP_OUT_REVERSE;
        case kCGBlendModeXOR:
            return PIXMAN_OP_XOR;
        case kCGBlendModePlusLighter:
            return PIXMAN_OP_ADD;
        case kCGBlendModeNormal:
        case kCGBlendModePlusDarker:
            return PIXMAN_OP_OVER;
        default:
            return std::nullopt;
    }
}

// Operators that would change pixels the shape does not cover, were the coverage applied to the
// source only; they are blended in by coverage instead.
pixman_op_t unboundedOperator(CGBlendMode mode) {
    switch (mode) {
        case kCGBlendModeClear:
            return PIXMAN_OP_CLEAR;
        case kCGBlendModeCopy:
            return PIXMAN_OP_SRC;
        case kCGBlendModeSourceIn:
            return PIXMAN_OP_IN;
        case kCGBlendModeSourceOut:
            return PIXMAN_OP_OUT;
        case kCGBlendModeDestinationIn:
            return PIXMAN_OP_IN_REVERSE;
        default:
            return PIXMAN_OP_ATOP_REVERSE;  // kCGBlendModeDestinationAtop
    }
}

}  // namespace

CGContext::CGContext(const Layout& layout, void* data, std::unique_ptr<uint8_t[]> storage,
                     int width, int height, size_t bytesPerRow)
    : layout_(layout),
      data_(data),
      storage_(std::move(storage)),
      bounds_{0, 0, width, height},
      bytesPerRow_(bytesPerRow),
      destination_(pixman_image_create_bits(layout.format, width, height,
                                            static_cast<uint32_t*>(data),
                                            static_cast<int>(bytesPerRow))) {
    state_.fillColor = opaqueBlack();
    state_.strokeColor = opaqueBlack();
}

void CGContext::save() {
    savedStates_.push_back(state_);
}

void CGContext::restore() {
    if (savedStates_.empty()) return;
    state_ = std::move(savedStates_.back());
    savedStates_.pop_back();
}

CGAffineTransform CGContext::deviceTransform() const {
    return CGAffineTransformConcat(state_.ctm, CGAffineTransformMake(1, 0, 0, -1, 0, height()));
}

void CGContext::setUIKitBaseSpace(CGFloat scale) {
    baseScale_ = scale;
    baseYDown_ = true;
}

CoverageMask CGContext::pathCoverage(bool evenOdd) const {
    CoverageMask coverage(
        IntRect::enclosing(path_.boundingBox(), bounds_).inflated(1).intersected(bounds_));
    if (coverage.isEmpty()) return coverage;
    const detail::Cairo cr = coverage.drawingContext();
    cairo_set_antialias(cr.get(),
                        state_.antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr.get(), evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    detail::appendPath(cr.get(), path_);
    cairo_fill(cr.get());
    return coverage;
}

void CGContext::fillPath(bool evenOdd) {
    paint(pathCoverage(evenOdd), detail::colorSource(*state_.fillColor, baseScale_));
    path_ = {};
}

void CGContext::strokePath() {
    const CGAffineTransform toDevice = deviceTransform();
    const CGFloat halfWidth = state_.lineWidth / 2 * maximumScale(toDevice);
    const CGFloat reach =
        halfWidth * (state_.lineJoin == kCGLineJoinMiter ? std::max(state_.miterLimit, 1.5) : 1.5);
    const CGRect box = CGRectInset(path_.boundingBox(), -reach - 1, -reach - 1);
    if (!CGAffineTransformIsInvertible(toDevice) || !(state_.lineWidth > 0)) {
        path_ = {};
        return;
    }
    CoverageMask coverage(IntRect::enclosing(box, bounds_));
    if (!coverage.isEmpty()) {
        const detail::Cairo cr = coverage.drawingContext();
        cairo_set_antialias(cr.get(),
                            state_.antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
        detail::appendPath(cr.get(), path_);
        // The path is in device space already; the pen follows the CTM.
        const cairo_matrix_t matrix = cairoMatrix(toDevice);
        cairo_transform(cr.get(), &matrix);
        cairo_set_line_width(cr.get(), state_.lineWidth);
        cairo_set_line_cap(cr.get(), static_cast<cairo_line_cap_t>(state_.lineCap));
        cairo_set_line_join(cr.get(), static_cast<cairo_line_join_t>(state_.lineJoin));
        cairo_set_miter_limit(cr.get(), state_.miterLimit);
        cairo_stroke(cr.get());
    }
    paint(std::move(coverage), detail::colorSource(*state_.strokeColor, baseScale_));
    path_ = {};
}

void CGContext::fillWithCairo(CGRect deviceArea, const std::function<void(cairo_t*)>& draw) {
    const CGAffineTransform toDevice = deviceTransform();
    if (!CGAffineTransformIsInvertible(toDevice)) return;
    CoverageMask coverage(IntRect::enclosing(deviceArea, bounds_));
    if (coverage.isEmpty()) return;
    {
        const detail::Cairo cr = coverage.drawingContext();
        const cairo_matrix_t matrix = cairoMatrix(toDevice);
        cairo_transform(cr.get(), &matrix);
        draw(cr.get());
    }
    paint(std::move(coverage), detail::colorSource(*state_.fillColor, baseScale_));
}

void CGContext::intersectClip(CoverageMask coverage) {
    state_.clip = std::make_shared<const CoverageMask>(
        state_.clip ? coverage.intersected(*state_.clip) : std::move(coverage));
}

void CGContext::clipToPath(bool evenOdd) {
    intersectClip(pathCoverage(evenOdd));
    path_ = {};
}

namespace {
// Image pixels (origin top-left, y down) onto `rect` in user space with y up.
CGAffineTransform imageToUser(CGRect rect, const CGImage& image) {
    return CGAffineTransformMake(rect.size.width / image.width(), 0, 0,
                                 -rect.size.height / image.height(), rect.origin.x,
                                 rect.origin.y + rect.size.height);
}

// The device pixels `rect` covers whole, when its edges fall on pixel boundaries of a device space
// that is not turned: its coverage would be all or nothing, so it needs no mask.
std::optional<IntRect> pixelAlignedRect(CGRect rect, const CGAffineTransform& toDevice) {
    if (toDevice.b != 0 || toDevice.c != 0 || CGRectIsNull(rect)) return std::nullopt;
    const CGRect device = CGRectApplyAffineTransform(rect, toDevice);
    // Far beyond any bitmap; keeps the conversion to int exact.
    constexpr CGFloat kFarthestEdge = 1 << 24;
    const CGFloat edges[] = {CGRectGetMinX(device), CGRectGetMinY(device), CGRectGetMaxX(device),
                             CGRectGetMaxY(device)};
    for (const CGFloat edge : edges) {
        if (!(std::abs(edge) <= kFarthestEdge) || edge != std::floor(edge)) return std::nullopt;
    }
    const int left = static_cast<int>(edges[0]), top = static_cast<int>(edges[1]);
    return IntRect{left, top, static_cast<int>(edges[2]) - left, static_cast<int>(edges[3]) - top};
}
}  // namespace

void CGContext::clipToMask(CGRect rect, const CGImage& mask) {
    const CGPath savedPath = std::exchange(path_, {});
    path_.addRect(rect, deviceTransform());
    CoverageMask coverage = pathCoverage(false);
    path_ = savedPath;
    const PixmanImage source = detail::imageSource(
        mask, CGAffineTransformConcat(imageToUser(rect, mask), deviceTransform()));
    if (!source) {
        intersectClip(CoverageMask({}));
        return;
    }
    const IntRect& r = coverage.bounds();
    pixman_image_composite32(PIXMAN_OP_IN, source.get(), nullptr, coverage.image(), r.x, r.y, 0, 0,
                             0, 0, r.width, r.height);
    intersectClip(std::move(coverage));
}

void CGContext::drawImage(CGRect rect, const CGImage& image) {
    PixmanImage source = detail::imageSource(
        image, CGAffineTransformConcat(imageToUser(rect, image), deviceTransform()));
    if (const auto area = pixelAlignedRect(rect, deviceTransform())) {
        paintRect(*area, std::move(source));
        return;
    }
    const CGPath savedPath = std::exchange(path_, {});
    path_.addRect(rect, deviceTransform());
    CoverageMask coverage = pathCoverage(false);
    path_ = savedPath;
    paint(std::move(coverage), std::move(source));
}

void CGContext::drawGradient(const CGGradient& gradient, const detail::GradientShape& shape,
                             CGGradientDrawingOptions options) {
    const CGAffineTransform toDevice = deviceTransform();
    if (!CGAffineTransformIsInvertible(toDevice)) return;
    const CGRect userBounds = CGRectApplyAffineTransform(CGRectMake(0, 0, width(), height()),
                                                         CGAffineTransformInvert(toDevice));
    const CGFloat extent = std::hypot(userBounds.size.width, userBounds.size.height) +
                           std::hypot(CGRectGetMidX(userBounds) - shape.startCentre.x,
                                      CGRectGetMidY(userBounds) - shape.startCentre.y);
    paint(CoverageMask(state_.clip ? state_.clip->bounds() : bounds_, 255),
          detail::gradientSource(gradient, shape, options, toDevice, extent));
}

CGRect CGContext::clipBoundingBoxInUserSpace() const {
    const IntRect r = state_.clip ? state_.clip->bounds() : bounds_;
    return CGRectApplyAffineTransform(CGRectMake(r.x, r.y, r.width, r.height),
                                      CGAffineTransformInvert(deviceTransform()));
}

bool CGContext::castsShadow() const {
    const detail::Shadow& shadow = state_.shadow;
    return shadow.color && (shadow.blur > 0 || shadow.offset != CGSizeZero);
}

void CGContext::paint(CoverageMask coverage, PixmanImage source) {
    if (!source || coverage.isEmpty()) return;
    coverage.multiply(state_.alpha);
    if (castsShadow()) paintShadow(coverage, source.get());
    if (state_.clip) coverage = coverage.intersected(*state_.clip);
    composite(source.get(), coverage);
}

void CGContext::paintRect(const IntRect& area, PixmanImage source) {
    if (state_.alpha < 1 || castsShadow()) {
        paint(CoverageMask(area.intersected(bounds_), 255), std::move(source));
        return;
    }
    if (!source) return;
    // Full coverage through the clip is the clip itself.
    if (state_.clip)
        composite(source.get(), state_.clip->image(), state_.clip->bounds(), area);
    else
        composite(source.get(), nullptr, area, area);
}

// The shadow is the alpha of what is drawn, blurred, moved by the offset and painted in the
// shadow colour beneath it; like the shape, it is cut by the clip.
void CGContext::paintShadow(const CoverageMask& coverage, pixman_image_t* source) {
    const detail::Shadow& shadow = state_.shadow;
    // Beyond this the shadow is a faint haze anyway; the cap keeps the work and memory bounded.
    constexpr CGFloat kMaximumSigma = 256;
    const CGFloat sigma = std::min(shadow.blur * baseScale_ / 2, kMaximumSigma);
    const IntRect area = coverage.bounds().inflated(detail::BoxBlur::marginFor(sigma));
    CoverageMask mask(area);
    pixman_image_composite32(PIXMAN_OP_SRC, source, coverage.image(), mask.image(), area.x, area.y,
                             area.x - coverage.bounds().x, area.y - coverage.bounds().y, 0, 0,
                             area.width, area.height);
    detail::BoxBlur::apply(mask.data(), area.width, area.height, mask.stride(), sigma);
    const CGFloat dy = shadow.offset.height * baseScale_;
    mask.moveBy(static_cast<int>(std::lround(shadow.offset.width * baseScale_)),
                static_cast<int>(std::lround(baseYDown_ ? dy : -dy)));
    const CoverageMask visible =
        state_.clip ? mask.intersected(*state_.clip) : mask.croppedTo(bounds_);
    const PixmanImage color = detail::colorSource(*shadow.color, baseScale_);
    if (color) composite(color.get(), visible);
}

void CGContext::composite(pixman_image_t* source, const CoverageMask& mask) {
    composite(source, mask.image(), mask.bounds(), mask.bounds());
}

void CGContext::composite(pixman_image_t* source, pixman_image_t* mask, const IntRect& maskBounds,
                          const IntRect& area) {
    const IntRect r = area.intersected(maskBounds).intersected(bounds_);
    if (r.isEmpty()) return;
    const int mx = r.x - maskBounds.x, my = r.y - maskBounds.y;
    if (const auto op = boundedOperator(state_.blendMode)) {
        pixman_image_composite32(*op, source, mask, destination_.get(), r.x, r.y, mx, my, r.x, r.y,
                                 r.width, r.height);
        return;
    }
    // result = destination·(1 − coverage) + (source OP destination)·coverage
    const pixman_op_t op = unboundedOperator(state_.blendMode);
    PixmanImage blended;
    if (op != PIXMAN_OP_CLEAR) {
        blended.reset(pixman_image_create_bits(PIXMAN_a8r8g8b8, r.width, r.height, nullptr, 0));
        if (op != PIXMAN_OP_SRC) {
            pixman_image_composite32(PIXMAN_OP_SRC, destination_.get(), nullptr, blended.get(), r.x,
                                     r.y, 0, 0, 0, 0, r.width, r.height);
        }
        pixman_image_composite32(op, source, nullptr, blended.get(), r.x, r.y, 0, 0, 0, 0, r.width,
                                 r.height);
    }
    const PixmanImage white = detail::solidSource({1, 1, 1, 1});
    pixman_image_composite32(PIXMAN_OP_OUT_REVERSE, white.get(), mask, destination_.get(), 0, 0, mx,
                             my, r.x, r.y, r.width, r.height);
    if (blended) {
        pixman_image_composite32(PIXMAN_OP_ADD, blended.get(), mask, destination_.get(), 0, 0, mx,
                                 my, r.x, r.y, r.width, r.height);
    }
}

CGImageRef CGContext::makeImage() const {
    return detail::snapshotImage(destination_.get(), width(), height(),
                                 PIXMAN_FORMAT_A(layout_.format) == 0);
}
