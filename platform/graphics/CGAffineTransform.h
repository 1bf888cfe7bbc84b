#pragma once

#include "platform/graphics/CGGeometry.h"

// x' = a·x + c·y + tx, y' = b·x + d·y + ty. Concatenation reads left to right: Concat(t1, t2)
// applies t1 first, then t2.
struct CGAffineTransform {
    CGFloat a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
    friend bool operator==(const CGAffineTransform&, const CGAffineTransform&) = default;
};

inline constexpr CGAffineTransform CGAffineTransformIdentity{};

constexpr CGAffineTransform CGAffineTransformMake(CGFloat a, CGFloat b, CGFloat c, CGFloat d,
                                                  CGFloat tx, CGFloat ty) {
    return {a, b, c, d, tx, ty};
}
CGAffineTransform CGAffineTransformMakeTranslation(CGFloat tx, CGFloat ty);
CGAffineTransform CGAffineTransformMakeScale(CGFloat sx, CGFloat sy);
// Positive angles turn the x axis towards the y axis.
CGAffineTransform CGAffineTransformMakeRotation(CGFloat angle);

CGAffineTransform CGAffineTransformConcat(const CGAffineTransform& first,
                                          const CGAffineTransform& second);
// Each prepends its operation: the new step applies before `t`.
CGAffineTransform CGAffineTransformTranslate(const CGAffineTransform& t, CGFloat tx, CGFloat ty);
CGAffineTransform CGAffineTransformScale(const CGAffineTransform& t, CGFloat sx, CGFloat sy);
CGAffineTransform CGAffineTransformRotate(const CGAffineTransform& t, CGFloat angle);
// A singular transform is returned unchanged, as on the platform.
CGAffineTransform CGAffineTransformInvert(const CGAffineTransform& t);
bool CGAffineTransformIsIdentity(const CGAffineTransform& t);
bool CGAffineTransformIsInvertible(const CGAffineTransform& t);

CGPoint CGPointApplyAffineTransform(CGPoint point, const CGAffineTransform& t);
CGSize CGSizeApplyAffineTransform(CGSize size, const CGAffineTransform& t);
// The bounding box of the transformed rectangle.
CGRect CGRectApplyAffineTransform(CGRect rect, const CGAffineTransform& t);
