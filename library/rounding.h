#pragma once
// Every fractional value that becomes an integer is rounded to the nearest integer with halves
// going to the even neighbour (1.5 -> 2, 2.5 -> 2, -0.5 -> 0).
#include <cmath>
#include <cstdint>

namespace ritmora {

inline double RoundHalfEvenToDouble(double value) {
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(value);
}

inline std::int64_t RoundHalfEven(double value) {
    return static_cast<std::int64_t>(std::nearbyint(value));
}

}  // namespace ritmora
