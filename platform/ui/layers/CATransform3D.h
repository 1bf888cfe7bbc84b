#pragma once

#include "platform/graphics/CGAffineTransform.h"
#include "platform/graphics/CGGeometry.h"

// A 4×4 transform of row vectors, as on the platform: a point (x, y, z, 1) times the matrix gives
// (x', y', z', w'), and the point lands at (x'/w', y'/w'). m34 = −1/d gives perspective seen from
// distance d. Concat(a, b) applies a first, then b.
struct CATransform3D {
    CGFloat m11 = 1, m12 = 0, m13 = 0, m14 = 0;
    CGFloat m21 = 0, m22 = 1, m23 = 0, m24 = 0;
    CGFloat m31 = 0, m32 = 0, m33 = 1, m34 = 0;
    CGFloat m41 = 0, m42 = 0, m43 = 0, m44 = 1;
    friend bool operator==(const CATransform3D&, const CATransform3D&) = default;
};

inline constexpr CATransform3D CATransform3DIdentity{};

CATransform3D CATransform3DMakeTranslation(CGFloat tx, CGFloat ty, CGFloat tz);
CATransform3D CATransform3DMakeScale(CGFloat sx, CGFloat sy, CGFloat sz);
// Rotation by `angle` radians about the axis (x, y, z); a zero axis gives the identity.
CATransform3D CATransform3DMakeRotation(CGFloat angle, CGFloat x, CGFloat y, CGFloat z);
CATransform3D CATransform3DConcat(const CATransform3D& a, const CATransform3D& b);
// Each prepends its operation: the new step applies before `t`.
CATransform3D CATransform3DTranslate(const CATransform3D& t, CGFloat tx, CGFloat ty, CGFloat tz);
CATransform3D CATransform3DScale(const CATransform3D& t, CGFloat sx, CGFloat sy, CGFloat sz);
CATransform3D CATransform3DRotate(const CATransform3D& t, CGFloat angle, CGFloat x, CGFloat y,
                                  CGFloat z);
// A singular transform is returned unchanged, as on the platform.
CATransform3D CATransform3DInvert(const CATransform3D& t);
bool CATransform3DIsIdentity(const CATransform3D& t);

CATransform3D CATransform3DMakeAffineTransform(const CGAffineTransform& t);
bool CATransform3DIsAffine(const CATransform3D& t);
// The 2-D part; meaningful when CATransform3DIsAffine.
CGAffineTransform CATransform3DGetAffineTransform(const CATransform3D& t);

// The plane point (x, y, 0) through the transform, with the perspective divide. `inFront` (when
// given) is false for points behind the viewer (w ≤ 0), which have no place on screen.
CGPoint CATransform3DApplyToPoint(const CATransform3D& t, CGPoint point, bool* inFront = nullptr);

// The uniform scale of a transform, as the "transform.scale" key path reads it (the length of its
// x axis).
CGFloat CATransform3DGetScale(const CATransform3D& t);
