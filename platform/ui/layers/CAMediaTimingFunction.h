#pragma once

#include <memory>
#include <string_view>

// How an animation's progress follows its time: a cubic Bézier from (0, 0) to (1, 1) with two
// control points, as on the platform.
class CAMediaTimingFunction {
public:
    static std::shared_ptr<CAMediaTimingFunction> functionWithName(std::string_view name);
    static std::shared_ptr<CAMediaTimingFunction> functionWithControlPoints(double x1, double y1,
                                                                            double x2, double y2);

    // Progress at time fraction `t` in [0, 1].
    double valueAt(double t) const;

private:
    CAMediaTimingFunction(double x1, double y1, double x2, double y2)
        : x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}

    double x1_, y1_, x2_, y2_;
};

inline constexpr std::string_view kCAMediaTimingFunctionLinear = "linear";
inline constexpr std::string_view kCAMediaTimingFunctionEaseIn = "easeIn";
inline constexpr std::string_view kCAMediaTimingFunctionEaseOut = "easeOut";
inline constexpr std::string_view kCAMediaTimingFunctionEaseInEaseOut = "easeInEaseOut";
inline constexpr std::string_view kCAMediaTimingFunctionDefault = "default";
