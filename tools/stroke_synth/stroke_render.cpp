#include "tools/stroke_synth/stroke_render.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/stroke_synth/biquad.h"
#include "tools/stroke_synth/membrane_modes.h"
#include "tools/stroke_synth/prng.h"
#include "tools/stroke_synth/shaker.h"

namespace ritmora::strokes {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kLn1000 = 6.907755278982137;  // T60: amplitude falls by 1000

struct Rendered {
    std::vector<double> sound;         // what the head radiates, for an impulse
    std::vector<double> displacement;  // how far the skin moves (drives the snare string)
};

double peak_of(const std::vector<double>& v) {
    double peak = 0.0;
    for (double x : v) peak = std::max(peak, std::fabs(x));
    return peak;
}

void scale_to_peak(std::vector<double>& v, double target) {
    const double peak = peak_of(v);
    if (peak > 0.0)
        for (double& x : v) x *= target / peak;
}

// Monopole (0,n) modes radiate best; the others partly cancel themselves.
double radiation(int m) {
    if (m == 0) return 1.0;
    if (m == 1) return 0.7;
    return 0.5;
}

// A decaying partial whose frequency glides down from f (1 + g) to f after the attack:
// the phase is the integral of f (1 + g e^(-t/tau)).
void add_partial(std::vector<double>& out, double amplitude, double frequency, double t60,
                 double glide, double tau) {
    const double decay = kLn1000 / t60;
    const std::size_t frames = out.size();
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRateHz;
        const double envelope = amplitude * std::exp(-decay * t);
        if (envelope < 1e-7 * amplitude) break;
        const double phase = kTwoPi * frequency * (t + glide * tau * (1.0 - std::exp(-t / tau)));
        out[i] += envelope * std::sin(phase);
    }
}

Rendered render_head(const StrokeRecipe& r, int frames, Prng& prng) {
    const bool kettle = r.head == HeadKind::Kettle;
    const std::vector<Mode> modes = kettle ? kettle_modes(r.f01_hz, r.f11_hz, r.max_mode_hz)
                                           : membrane_modes(r.f01_hz, r.max_mode_hz);
    const double f_ref = kettle ? r.f11_hz : r.f01_hz;
    Rendered out{std::vector<double>(static_cast<std::size_t>(frames), 0.0),
                 std::vector<double>(static_cast<std::size_t>(frames), 0.0)};
    for (const Mode& mode : modes) {
        const double weight = strike_weight(mode, r.strike_radius);
        const double ratio = f_ref / mode.frequency;
        double t60 = r.t60_s * std::pow(ratio, r.beta);
        if (mode.m == 0) t60 *= r.symmetric_t60;
        const double amplitude = weight * radiation(mode.m) * std::pow(ratio, r.tilt);
        // A real head is never quite uniform: a small random detune per mode.
        const double f = mode.frequency * (1.0 + 0.002 * prng.bipolar());
        if (mode.m == 0) {
            add_partial(out.sound, amplitude, f, t60, r.glide, r.glide_tau_s);
            add_partial(out.displacement, weight * ratio, f, t60, r.glide, r.glide_tau_s);
        } else {
            // The two orientations of the mode, split by the uneven tension, beat slowly.
            const double split = f * r.mode_split;
            add_partial(out.sound, 0.65 * amplitude, f, t60, r.glide, r.glide_tau_s);
            add_partial(out.sound, 0.35 * amplitude, f + split, t60 * 0.9, r.glide, r.glide_tau_s);
            add_partial(out.displacement, weight * ratio, f, t60, r.glide, r.glide_tau_s);
        }
    }
    return out;
}

// The hand or stick pushes the skin as a half-sine pulse: a longer contact filters out more of
// the high modes.
std::vector<double> apply_contact(const std::vector<double>& impulse_response, double contact_s) {
    const int taps = std::max(1, static_cast<int>(std::lround(contact_s * kRateHz)));
    std::vector<double> pulse(static_cast<std::size_t>(taps));
    double sum = 0.0;
    for (int k = 0; k < taps; ++k) {
        pulse[static_cast<std::size_t>(k)] = std::sin(std::numbers::pi * (k + 0.5) / taps);
        sum += pulse[static_cast<std::size_t>(k)];
    }
    std::vector<double> out(impulse_response.size(), 0.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double acc = 0.0;
        for (std::size_t k = 0; k < pulse.size() && k <= i; ++k)
            acc += pulse[k] * impulse_response[i - k];
        out[i] = acc / sum;
    }
    return out;
}

std::vector<double> attack_noise(const StrokeRecipe& r, int frames, Prng& prng) {
    Biquad band = Biquad::band_pass(r.noise_hz, r.noise_q, kRateHz);
    std::vector<double> out(static_cast<std::size_t>(frames), 0.0);
    const double rise = std::max(r.contact_s / 3.0, 0.0002);
    for (int i = 0; i < frames; ++i) {
        const double t = i / kRateHz;
        const double envelope = (1.0 - std::exp(-t / rise)) * std::exp(-t / r.noise_decay_s);
        out[static_cast<std::size_t>(i)] = band.process(envelope * prng.bipolar());
    }
    return out;
}

// The snare string touches the skin only while it moves beyond a small distance; each touch is a
// short rattle of noise.
std::vector<double> snare_buzz(const StrokeRecipe& r, std::vector<double> displacement,
                               Prng& prng) {
    scale_to_peak(displacement, 1.0);
    Biquad band = Biquad::band_pass(r.buzz_hz, r.buzz_q, kRateHz);
    Biquad low_cut = Biquad::high_pass(500.0, 0.7, kRateHz);
    std::vector<double> out(displacement.size(), 0.0);
    double gate = 0.0;
    const double smoothing = 1.0 - std::exp(-1.0 / (0.0007 * kRateHz));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double over = std::max(0.0, displacement[i] - r.buzz_threshold);
        gate += smoothing * (over - gate);
        out[i] = low_cut.process(band.process(gate * prng.bipolar()));
    }
    return out;
}

// The copper bowl of the kudüm rings faintly when the stroke shakes it.
std::vector<double> bowl_partials(const StrokeRecipe& r, int frames, Prng& prng) {
    constexpr double kBowlHz[] = {612.0, 1587.0, 2846.0, 4313.0, 5962.0, 7751.0};
    constexpr double kBowlT60[] = {0.6, 0.5, 0.4, 0.32, 0.26, 0.2};
    constexpr double kBowlAmp[] = {0.5, 1.0, 0.8, 0.55, 0.35, 0.2};
    std::vector<double> out(static_cast<std::size_t>(frames), 0.0);
    for (int k = 0; k < 6; ++k) {
        const double f = kBowlHz[k] * r.bowl_scale * (1.0 + 0.003 * prng.bipolar());
        add_partial(out, kBowlAmp[k], f, kBowlT60[k], 0.0, 1.0);
    }
    return out;
}

// How hard the ringing skin shakes the frame: a smoothed envelope of the head's sound, peak 1.
std::vector<double> frame_drive(const std::vector<double>& sound) {
    std::vector<double> out(sound.size(), 0.0);
    const double release = std::exp(-1.0 / (0.010 * kRateHz));
    double level = 0.0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        level = std::max(std::fabs(sound[i]), level * release);
        out[i] = level;
    }
    scale_to_peak(out, 1.0);
    return out;
}

void mix(std::vector<double>& into, std::vector<double> part, double level) {
    if (level <= 0.0) return;
    scale_to_peak(part, level);
    for (std::size_t i = 0; i < into.size(); ++i) into[i] += part[i];
}

}  // namespace

std::vector<double> render_stroke(const StrokeRecipe& r) {
    const int frames = static_cast<int>(std::lround(r.length_s * kRateHz));
    Prng prng(r.seed);
    Rendered head = render_head(r, frames, prng);
    std::vector<double> body = apply_contact(head.sound, r.contact_s);
    scale_to_peak(body, 1.0);
    std::vector<double> out = body;

    mix(out, attack_noise(r, frames, prng), r.noise_level);
    if (r.buzz_level > 0.0)
        mix(out, snare_buzz(r, apply_contact(head.displacement, r.contact_s), prng), r.buzz_level);
    if (r.jingle_level > 0.0) {
        ShakerSettings shaker;
        shaker.system_decay = r.jingle_system_decay;
        shaker.collision_rate = r.jingle_collision_rate;
        shaker.kick = r.jingle_kick;
        shaker.rate_hz = kRateHz;
        mix(out, shake_jingles(shaker, frame_drive(body), prng), r.jingle_level);
    }
    if (r.bowl_level > 0.0)
        mix(out, apply_contact(bowl_partials(r, frames, prng), r.contact_s), r.bowl_level);
    return out;
}

}  // namespace ritmora::strokes
