#include "tools/stroke_synth/biquad.h"

#include <cmath>

namespace ritmora::strokes {

Biquad Biquad::band_pass(double centre_hz, double q, double rate_hz) {
    const double w = 2.0 * std::numbers::pi * centre_hz / rate_hz;
    const double alpha = std::sin(w) / (2.0 * q);
    return Biquad(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * std::cos(w), 1.0 - alpha);
}

Biquad Biquad::high_pass(double corner_hz, double q, double rate_hz) {
    const double w = 2.0 * std::numbers::pi * corner_hz / rate_hz;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return Biquad((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

}  // namespace ritmora::strokes
