#include "platform/ui/layers/detail/Homography.h"

#include <cmath>

namespace detail {

Homography Homography::translation(double tx, double ty) {
    Homography h;
    h.m[0][2] = tx;
    h.m[1][2] = ty;
    return h;
}

Homography Homography::scale(double sx, double sy) {
    Homography h;
    h.m[0][0] = sx;
    h.m[1][1] = sy;
    return h;
}

Homography Homography::fromTransform3D(const CATransform3D& t) {
    Homography h;
    h.m = {{{t.m11, t.m21, t.m41}, {t.m12, t.m22, t.m42}, {t.m14, t.m24, t.m44}}};
    // A uniform w without perspective is a scale: fold it in so the map counts as affine.
    if (t.m14 == 0 && t.m24 == 0 && t.m44 > 0 && t.m44 != 1) {
        for (auto& row : h.m) {
            for (double& v : row) v /= t.m44;
        }
    }
    return h;
}

std::optional<Homography> Homography::rectToQuad(CGRect rect, const std::array<CGPoint, 4>& q) {
    if (rect.size.width == 0 || rect.size.height == 0) return std::nullopt;
    // The unit square to the quad (Heckbert's closed form), after the rectangle to the unit square.
    const double sx = q[0].x - q[1].x + q[2].x - q[3].x;
    const double sy = q[0].y - q[1].y + q[2].y - q[3].y;
    const double dx1 = q[1].x - q[2].x, dx2 = q[3].x - q[2].x;
    const double dy1 = q[1].y - q[2].y, dy2 = q[3].y - q[2].y;
    double g = 0, h = 0;
    if (sx != 0 || sy != 0) {
        const double det = dx1 * dy2 - dx2 * dy1;
        if (det == 0) return std::nullopt;
        g = (sx * dy2 - dx2 * sy) / det;
        h = (dx1 * sy - sx * dy1) / det;
    }
    Homography square;
    square.m = {{{q[1].x - q[0].x + g * q[1].x, q[3].x - q[0].x + h * q[3].x, q[0].x},
                 {q[1].y - q[0].y + g * q[1].y, q[3].y - q[0].y + h * q[3].y, q[0].y},
                 {g, h, 1}}};
    const Homography toUnit = scale(1 / rect.size.width, 1 / rect.size.height) *
                              translation(-rect.origin.x, -rect.origin.y);
    const Homography result = square * toUnit;
    if (!result.isFinite() || !result.inverted()) return std::nullopt;
    return result;
}

Homography Homography::operator*(const Homography& first) const {
    Homography product;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            double sum = 0;
            for (int k = 0; k < 3; ++k) sum += m[row][k] * first.m[k][column];
            product.m[row][column] = sum;
        }
    }
    return product;
}

std::optional<Homography> Homography::inverted() const {
    const auto& a = m;
    const double c00 = a[1][1] * a[2][2] - a[1][2] * a[2][1];
    const double c01 = a[1][2] * a[2][0] - a[1][0] * a[2][2];
    const double c02 = a[1][0] * a[2][1] - a[1][1] * a[2][0];
    const double det = a[0][0] * c00 + a[0][1] * c01 + a[0][2] * c02;
    // Relative to the matrix's size, so that a tiny but regular scale still inverts.
    double largest = 0;
    for (const auto& row : a) {
        for (double v : row) largest = std::max(largest, std::fabs(v));
    }
    if (!std::isfinite(det) || std::fabs(det) <= 1e-12 * largest * largest * largest)
        return std::nullopt;
    Homography inverse;
    inverse.m = {{{c00 / det, (a[0][2] * a[2][1] - a[0][1] * a[2][2]) / det,
                   (a[0][1] * a[1][2] - a[0][2] * a[1][1]) / det},
                  {c01 / det, (a[0][0] * a[2][2] - a[0][2] * a[2][0]) / det,
                   (a[0][2] * a[1][0] - a[0][0] * a[1][2]) / det},
                  {c02 / det, (a[0][1] * a[2][0] - a[0][0] * a[2][1]) / det,
                   (a[0][0] * a[1][1] - a[0][1] * a[1][0]) / det}}};
    if (!inverse.isFinite()) return std::nullopt;
    return inverse;
}

bool Homography::isFinite() const {
    for (const auto& row : m) {
        for (double v : row) {
            if (!std::isfinite(v)) return false;
        }
    }
    return true;
}

bool Homography::isAffine() const {
    return m[2][0] == 0 && m[2][1] == 0 && m[2][2] == 1;
}

bool Homography::isAxisAligned() const {
    return isAffine() && m[0][1] == 0 && m[1][0] == 0;
}

CGPoint Homography::apply(CGPoint p) const {
    const double x = m[0][0] * p.x + m[0][1] * p.y + m[0][2];
    const double y = m[1][0] * p.x + m[1][1] * p.y + m[1][2];
    const double wp = w(p);
    return wp != 0 ? CGPoint{x / wp, y / wp} : CGPoint{x, y};
}

}  // namespace detail
