// Everything that makes one stroke: the head's modes, the hand or stick, and the instrument's
// extras (jingles, snare string, metal bowl). Levels of the extras are relative to the head's peak.
#pragma once

#include <cstdint>
#include <vector>

namespace ritmora::strokes {

enum class HeadKind { Membrane, Kettle };

// The bendir files carry the plain 44-byte header; the kudüm and def files carry a sampler chunk
// before their data (the sample bank's reader searches for the data chunk).
enum class FileLayout { Canonical, WithSamplerChunk };

struct StrokeRecipe {
    const char* file_name = "";
    FileLayout layout = FileLayout::Canonical;
    double length_s = 1.0;
    std::uint64_t seed = 1;

    // The head.
    HeadKind head = HeadKind::Membrane;
    double f01_hz = 100;         // (0,1) mode
    double f11_hz = 0;           // kettle only: the (1,1) mode, the drum's pitch
    double max_mode_hz = 6000;   // modes above this are left to the attack noise
    double strike_radius = 0.5;  // r/a of the stroke
    double contact_s = 0.003;    // half-sine contact of hand or stick
    double t60_s = 0.5;          // of the reference mode (f01, or f11 on a kettle)
    double beta = 0.8;           // T60 falls as (f_ref / f)^beta
    double symmetric_t60 = 1.0;  // extra factor on the T60 of the (0,n) modes
    double tilt = 0.3;           // amplitude falls as (f_ref / f)^tilt
    double glide = 0.03;         // f(t) = f (1 + glide e^(-t / glide_tau))
    double glide_tau_s = 0.06;
    double mode_split = 0.004;  // detune of the two orientations of an (m>0) mode

    // Attack noise (slap of the hand, click of the stick), band-passed.
    double noise_hz = 2000;
    double noise_q = 1.0;
    double noise_level = 0.0;
    double noise_decay_s = 0.008;

    // Snare string (bendir): band-passed noise gated by the skin's displacement.
    double buzz_level = 0.0;
    double buzz_threshold = 0.1;  // fraction of the peak displacement
    double buzz_hz = 1800;
    double buzz_q = 0.8;

    // Jingles (def): five pairs, shaken by the stroke.
    double jingle_level = 0.0;
    double jingle_system_decay = 0.9985;  // per sample
    double jingle_collision_rate = 0.01;  // chance per sample and pair at full energy
    double jingle_kick = 1.0;  // energy the stroke gives the frame directly (edge strokes: more)

    // Copper bowl (kudüm): faint inharmonic partials.
    double bowl_level = 0.0;
    double bowl_scale = 1.0;  // shifts the bowl's partials (the Tek bowl is smaller)

    double fade_s = 0.03;
};

// The six strokes, in the order they are written.
std::vector<StrokeRecipe> all_strokes();

}  // namespace ritmora::strokes
