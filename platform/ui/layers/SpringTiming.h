#pragma once

// The progress of a spring animation: a damped harmonic oscillator of mass 1 released one travel
// away from its target with an initial velocity (travels per second, towards the target). Its
// natural frequency is chosen so that the oscillation has died down to a thousandth of the travel
// at `duration`; from then on the progress is exactly 1.
class SpringTiming {
public:
    SpringTiming(double dampingRatio, double initialVelocity, double duration);

    // 0 at the start, 1 at the target; may overshoot 1 on the way when underdamped.
    double progressAt(double elapsed) const;
    double naturalFrequency() const { return omega_; }

private:
    double envelopeAt(double omega, double time) const;

    double damping_;
    double velocity_;
    double duration_;
    double omega_;
};
