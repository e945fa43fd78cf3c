// The def's jingles as a stochastic collision process (after Cook's PhISEM): random collisions,
// whose strength follows the energy the stroke put into the frame, excite the resonances of the
// metal discs.
#pragma once

#include <vector>

#include "tools/stroke_synth/prng.h"

namespace ritmora::strokes {

struct ShakerSettings {
    int pairs = 5;
    double system_decay = 0.9985;  // energy left in the frame, per sample
    double sound_decay = 0.95;     // each collision's noise burst, per sample
    double collision_rate = 0.01;  // chance per sample and pair at full energy
    double kick = 1.0;             // energy the stroke itself gives the frame
    double rate_hz = 44100;
};

// `drive` is how strongly the ringing skin keeps shaking the frame, sample by sample (peak 1);
// the jingles go on rattling while it lasts. Returns drive.size() samples, peak-normalised to 1.
std::vector<double> shake_jingles(const ShakerSettings& settings, const std::vector<double>& drive,
                                  Prng& prng);

}  // namespace ritmora::strokes
