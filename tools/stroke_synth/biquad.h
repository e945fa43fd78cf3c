// Two-pole filters for the noise parts of a stroke.
#pragma once

#include <numbers>

namespace ritmora::strokes {

class Biquad {
  public:
    // Band-pass with 0 dB gain at the centre frequency.
    static Biquad band_pass(double centre_hz, double q, double rate_hz);
    // Second-order high-pass (used to keep the buzz and the bowl away from the drum's body).
    static Biquad high_pass(double corner_hz, double q, double rate_hz);

    double process(double x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
        : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace ritmora::strokes
