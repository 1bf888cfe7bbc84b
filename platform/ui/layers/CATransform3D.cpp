#include "platform/ui/layers/CATransform3D.h"

#include <array>
#include <cmath>

namespace {

using Matrix = std::array<std::array<CGFloat, 4>, 4>;

Matrix toMatrix(const CATransform3D& t) {
    return {{{t.m11, t.m12, t.m13, t.m14},
             {t.m21, t.m22, t.m23, t.m24},
             {t.m31, t.m32, t.m33, t.m34},
             {t.m41, t.m42, t.m43, t.m44}}};
}

CATransform3D fromMatrix(const Matrix& m) {
    return {m[0][0], m[0][1], m[0][2], m[0][3], m[1][0], m[1][1], m[1][2], m[1][3],
            m[2][0], m[2][1], m[2][2], m[2][3], m[3][0], m[3][1], m[3][2], m[3][3]};
}

}  // namespace

CATransform3D CATransform3DMakeTranslation(CGFloat tx, CGFloat ty, CGFloat tz) {
    CATransform3D t;
    t.m41 = tx;
    t.m42 = ty;
    t.m43 = tz;
    return t;
}

CATransform3D CATransform3DMakeScale(CGFloat sx, CGFloat sy, CGFloat sz) {
    CATransform3D t;
    t.m11 = sx;
    t.m22 = sy;
    t.m33 = sz;
    return t;
}

CATransform3D CATransform3DMakeRotation(CGFloat angle, CGFloat x, CGFloat y, CGFloat z) {
    const CGFloat length = std::sqrt(x * x + y * y + z * z);
    if (length == 0) return CATransform3DIdentity;
    x /= length;
    y /= length;
    z /= length;
    const CGFloat c = std::cos(angle), s = std::sin(angle), k = 1 - c;
    CATransform3D t;
    t.m11 = x * x * k + c;
    t.m12 = x * y * k + z * s;
    t.m13 = x * z * k - y * s;
    t.m21 = y * x * k - z * s;
    t.m22 = y * y * k + c;
    t.m23 = y * z * k + x * s;
    t.m31 = z * x * k + y * s;
    t.m32 = z * y * k - x * s;
    t.m33 = z * z * k + c;
    return t;
}

CATransform3D CATransform3DConcat(const CATransform3D& a, const CATransform3D& b) {
    const Matrix x = toMatrix(a), y = toMatrix(b);
    Matrix product{};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            for (int k = 0; k < 4; ++k) product[row][column] += x[row][k] * y[k][column];
        }
    }
    return fromMatrix(product);
}

CATransform3D CATransform3DTranslate(const CATransform3D& t, CGFloat tx, CGFloat ty, CGFloat tz) {
    return CATransform3DConcat(CATransform3DMakeTranslation(tx, ty, tz), t);
}

CATransform3D CATransform3DScale(const CATransform3D& t, CGFloat sx, CGFloat sy, CGFloat sz) {
    return CATransform3DConcat(CATransform3DMakeScale(sx, sy, sz), t);
}

CATransform3D CATransform3DRotate(const CATransform3D& t, CGFloat angle, CGFloat x, CGFloat y,
                                  CGFloat z) {
    return CATransform3DConcat(CATransform3DMakeRotation(angle, x, y, z), t);
}

CATransform3D CATransform3DInvert(const CATransform3D& t) {
    // Gauss-Jordan elimination with partial pivoting.
    Matrix m = toMatrix(t), inverse = toMatrix(CATransform3DIdentity);
    for (int column = 0; column < 4; ++column) {
        int pivot = column;
        for (int row = column + 1; row < 4; ++row) {
            if (std::fabs(m[row][column]) > std::fabs(m[pivot][column])) pivot = row;
        }
        if (std::fabs(m[pivot][column]) < 1e-12) return t;
        std::swap(m[pivot], m[column]);
        std::swap(inverse[pivot], inverse[column]);
        const CGFloat scale = m[column][column];
        for (int k = 0; k < 4; ++k) {
            m[column][k] /= scale;
            inverse[column][k] /= scale;
        }
        for (int row = 0; row < 4; ++row) {
            if (row == column) continue;
            const CGFloat factor = m[row][column];
            for (int k = 0; k < 4; ++k) {
                m[row][k] -= factor * m[column][k];
                inverse[row][k] -= factor * inverse[column][k];
            }
        }
    }
    return fromMatrix(inverse);
}

bool CATransform3DIsIdentity(const CATransform3D& t) {
    return t == CATransform3DIdentity;
}

CATransform3D CATransform3DMakeAffineTransform(const CGAffineTransform& a) {
    CATransform3D t;
    t.m11 = a.a;
    t.m12 = a.b;
    t.m21 = a.c;
    t.m22 = a.d;
    t.m41 = a.tx;
    t.m42 = a.ty;
    return t;
}

bool CATransform3DIsAffine(const CATransform3D& t) {
    return t.m13 == 0 && t.m14 == 0 && t.m23 == 0 && t.m24 == 0 && t.m31 == 0 && t.m32 == 0 &&
           t.m33 == 1 && t.m34 == 0 && t.m43 == 0 && t.m44 == 1;
}

CGAffineTransform CATransform3DGetAffineTransform(const CATransform3D& t) {
    return {t.m11, t.m12, t.m21, t.m22, t.m41, t.m42};
}

CGPoint CATransform3DApplyToPoint(const CATransform3D& t, CGPoint p, bool* inFront) {
    const CGFloat x = p.x * t.m11 + p.y * t.m21 + t.m41;
    const CGFloat y = p.x * t.m12 + p.y * t.m22 + t.m42;
    const CGFloat w = p.x * t.m14 + p.y * t.m24 + t.m44;
    if (inFront != nullptr) *inFront = w > 0;
    return w != 0 ? CGPoint{x / w, y / w} : CGPoint{x, y};
}

CGFloat CATransform3DGetScale(const CATransform3D& t) {
    return std::sqrt(t.m11 * t.m11 + t.m12 * t.m12 + t.m13 * t.m13);
}
