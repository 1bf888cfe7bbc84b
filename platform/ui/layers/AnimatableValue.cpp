#include "platform/ui/layers/AnimatableValue.h"

#include <array>
#include <bit>
#include <cstddef>

namespace {

CGFloat lerp(CGFloat a, CGFloat b, double t) {
    return a + (b - a) * t;
}

CGPoint lerp(CGPoint a, CGPoint b, double t) {
    return {lerp(a.x, b.x, t), lerp(a.y, b.y, t)};
}

CGRect lerp(CGRect a, CGRect b, double t) {
    return {lerp(a.origin, b.origin, t),
            {lerp(a.size.width, b.size.width, t), lerp(a.size.height, b.size.height, t)}};
}

// Element by element: exact for the scales, translations and perspectives animated here.
CATransform3D lerp(const CATransform3D& a, const CATransform3D& b, double t) {
    using Elements = std::array<CGFloat, 16>;
    const auto from = std::bit_cast<Elements>(a), to = std::bit_cast<Elements>(b);
    Elements result;
    for (std::size_t i = 0; i < result.size(); ++i) result[i] = lerp(from[i], to[i], t);
    return std::bit_cast<CATransform3D>(result);
}

}  // namespace

AnimatableValue interpolate(const AnimatableValue& from, const AnimatableValue& to,
                            double progress) {
    if (from.index() != to.index()) return to;
    return std::visit(
        [&](const auto& start) -> AnimatableValue {
            using T = std::decay_t<decltype(start)>;
            return lerp(start, std::get<T>(to), progress);
        },
        from);
}
