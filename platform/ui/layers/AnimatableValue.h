#pragma once

#include <variant>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/layers/CATransform3D.h"

// A value an animation can carry: a number (opacity, a scale), a point (position), a rectangle
// (bounds) or a transform.
using AnimatableValue = std::variant<double, CGPoint, CGRect, CATransform3D>;

// The value `progress` of the way from `from` to `to` (progress may leave [0, 1] for springs).
// Values of different kinds give `to`.
AnimatableValue interpolate(const AnimatableValue& from, const AnimatableValue& to,
                            double progress);
