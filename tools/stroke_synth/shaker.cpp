#include "tools/stroke_synth/shaker.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ritmora::strokes {
namespace {

// The discs ring at about 2.3, 5.6 and 8.1 kHz; every pair is a little different.
constexpr double kResonanceHz[3] = {2300.0, 5600.0, 8100.0};
constexpr double kPoleRadius[3] = {0.965, 0.985, 0.99};
constexpr double kResonanceGain[3] = {0.8, 1.0, 0.7};

struct Resonator {
    double a1 = 0, a2 = 0, gain = 0, y1 = 0, y2 = 0;
    double process(double x) {
        const double y = gain * x - a1 * y1 - a2 * y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};

struct JinglePair {
    Resonator resonators[3];
    double sound_level = 0;
};

}  // namespace

std::vector<double> shake_jingles(const ShakerSettings& settings, const std::vector<double>& drive,
                                  Prng& prng) {
    const int frames = static_cast<int>(drive.size());
    std::vector<JinglePair> pairs(static_cast<std::size_t>(settings.pairs));
    for (JinglePair& pair : pairs) {
        for (int i = 0; i < 3; ++i) {
            const double f = kResonanceHz[i] * (1.0 + 0.06 * prng.bipolar());
            const double r = kPoleRadius[i];
            const double w = 2.0 * std::numbers::pi * f / settings.rate_hz;
            pair.resonators[i].a1 = -2.0 * r * std::cos(w);
            pair.resonators[i].a2 = r * r;
            pair.resonators[i].gain = kResonanceGain[i] * (1.0 - r);
        }
    }

    std::vector<double> out(static_cast<std::size_t>(frames), 0.0);
    double energy = settings.kick;
    double previous[2] = {0.0, 0.0};
    for (int n = 0; n < frames; ++n) {
        double sum = 0.0;
        for (JinglePair& pair : pairs) {
            // A livelier frame makes the discs meet more often and harder (their speed goes
            // with the square root of the energy).
            const double speed = std::sqrt(energy);
            if (prng.uniform() < settings.collision_rate * std::min(speed, 1.0)) {
                pair.sound_level += speed * (0.4 + 0.6 * prng.uniform());
            }
            const double input = pair.sound_level * prng.bipolar();
            pair.sound_level *= settings.sound_decay;
            for (Resonator& r : pair.resonators) sum += r.process(input);
        }
        const double shaking = drive[static_cast<std::size_t>(n)];
        energy = energy * settings.system_decay + (1.0 - settings.system_decay) * shaking * shaking;
        // Zeros at DC and Nyquist, as in the classic shaker.
        out[static_cast<std::size_t>(n)] = sum - previous[1];
        previous[1] = previous[0];
        previous[0] = sum;
    }
    double peak = 0.0;
    for (double v : out) peak = std::max(peak, std::fabs(v));
    if (peak > 0.0)
        for (double& v : out) v /= peak;
    return out;
}

}  // namespace ritmora::strokes
