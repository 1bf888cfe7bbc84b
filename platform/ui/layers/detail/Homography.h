#pragma once

#include <array>
#include <optional>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/layers/CATransform3D.h"

namespace detail {

// A projective map of the plane: the column vector (x, y, 1) times the matrix gives (x', y', w),
// and the point lands at (x'/w, y'/w). A layer draws in its superlayer's plane, so a chain of 3-D
// layer transforms composes exactly as these 3×3 maps.
struct Homography {
    std::array<std::array<double, 3>, 3> m{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

    static Homography translation(double tx, double ty);
    static Homography scale(double sx, double sy);
    // The layer transform seen in the plane: its z input and output dropped.
    static Homography fromTransform3D(const CATransform3D& t);
    // The map taking the rectangle's corners (top-left, top-right, bottom-right, bottom-left) to
    // `quad`; none when the quad is degenerate.
    static std::optional<Homography> rectToQuad(CGRect rect, const std::array<CGPoint, 4>& quad);

    // `*this` after `first`.
    Homography operator*(const Homography& first) const;
    std::optional<Homography> inverted() const;
    bool isFinite() const;
    // No perspective: the bottom row is (0, 0, 1).
    bool isAffine() const;
    // Affine with no rotation or skew.
    bool isAxisAligned() const;

    double w(CGPoint p) const { return m[2][0] * p.x + m[2][1] * p.y + m[2][2]; }
    // Meaningful where w(p) > 0.
    CGPoint apply(CGPoint p) const;
};

}  // namespace detail
