// The vibration modes of the drum heads: where they sound and how a stroke at a given distance
// from the centre excites them.
#pragma once

#include <vector>

namespace ritmora::strokes {

struct Mode {
    int m = 0;               // nodal diameters
    int n = 1;               // nodal circles (counting the rim)
    double frequency = 0;    // Hz, before the attack glide
    double bessel_zero = 0;  // j_mn of the ideal membrane: gives the mode's shape J_m(j_mn r/a)
};

// J_m(x) by its power series; accurate enough (|x| < 25) for excitation weights.
double bessel_j(int m, double x);

// Amplitude with which a point stroke at r/a excites the mode, relative to the mode's norm:
// |J_m(j r/a)| / |J_{m+1}(j)|.
double strike_weight(const Mode& mode, double strike_radius);

// Ideal circular membrane (frame drums): frequencies in the ratios of the Bessel zeros.
std::vector<Mode> membrane_modes(double f01_hz, double max_hz);

// Kettle drum: the cavity pulls the (m,1) family towards a harmonic series on f11 and raises the
// symmetric modes; f01 is the (0,1) mode, set separately.
std::vector<Mode> kettle_modes(double f01_hz, double f11_hz, double max_hz);

}  // namespace ritmora::strokes
