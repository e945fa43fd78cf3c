#include "tools/stroke_synth/membrane_modes.h"

#include <cmath>

namespace ritmora::strokes {
namespace {

// Zeros j_mn of J_m, m = 0..8, n = 1..4 (standard tables).
constexpr int kOrders = 9;
constexpr int kCircles = 4;
constexpr double kBesselZeros[kOrders][kCircles] = {
    {2.40483, 5.52008, 8.65373, 11.79153},    {3.83171, 7.01559, 10.17347, 13.32369},
    {5.13562, 8.41724, 11.61984, 14.79595},   {6.38016, 9.76102, 13.01520, 16.22347},
    {7.58834, 11.06471, 14.37254, 17.61597},  {8.77148, 12.33860, 15.70017, 18.98013},
    {9.93611, 13.58929, 17.00382, 20.32079},  {11.08637, 14.82127, 18.28758, 21.64154},
    {12.22509, 16.03777, 19.55454, 22.94517},
};

// Kettle frequencies relative to f11 (measured kettledrum ratios, extended smoothly).
struct KettleEntry {
    int m, n;
    double ratio;
};
constexpr KettleEntry kKettle[] = {
    {1, 1, 1.00}, {2, 1, 1.50}, {3, 1, 1.98}, {4, 1, 2.44}, {5, 1, 2.89}, {6, 1, 3.33},
    {7, 1, 3.76}, {8, 1, 4.18}, {0, 2, 2.12}, {1, 2, 2.24}, {2, 2, 2.78}, {3, 2, 3.30},
    {4, 2, 3.82}, {0, 3, 3.46}, {1, 3, 3.62}, {2, 3, 4.14}, {5, 2, 4.33}, {0, 4, 4.80},
};

}  // namespace

double bessel_j(int m, double x) {
    const double half = x / 2.0;
    double term = 1.0;
    for (int i = 1; i <= m; ++i) term *= half / i;
    double sum = term;
    for (int k = 0; k < 80; ++k) {
        term *= -half * half / ((k + 1.0) * (k + 1.0 + m));
        sum += term;
        if (std::fabs(term) < 1e-17 * std::fabs(sum) && k > 10) break;
    }
    return sum;
}

double strike_weight(const Mode& mode, double strike_radius) {
    const double shape = bessel_j(mode.m, mode.bessel_zero * strike_radius);
    const double norm = bessel_j(mode.m + 1, mode.bessel_zero);
    return std::fabs(shape / norm);
}

std::vector<Mode> membrane_modes(double f01_hz, double max_hz) {
    std::vector<Mode> modes;
    for (int m = 0; m < kOrders; ++m) {
        for (int n = 1; n <= kCircles; ++n) {
            const double zero = kBesselZeros[m][n - 1];
            const double f = f01_hz * zero / kBesselZeros[0][0];
            if (f <= max_hz) modes.push_back({m, n, f, zero});
        }
    }
    return modes;
}

std::vector<Mode> kettle_modes(double f01_hz, double f11_hz, double max_hz) {
    std::vector<Mode> modes;
    modes.push_back({0, 1, f01_hz, kBesselZeros[0][0]});
    for (const KettleEntry& e : kKettle) {
        const double f = f11_hz * e.ratio;
        if (f <= max_hz) modes.push_back({e.m, e.n, f, kBesselZeros[e.m][e.n - 1]});
    }
    return modes;
}

}  // namespace ritmora::strokes
