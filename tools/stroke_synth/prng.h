// A small fixed-seed generator of our own, so that the strokes come out identical whatever the
// standard library (its distributions are not specified bit for bit).
#pragma once

#include <cstdint>

namespace ritmora::strokes {

// xorshift64* (Vigna): fast, good enough for noise, and fully specified.
class Prng {
  public:
    explicit Prng(std::uint64_t seed) : state_(seed != 0 ? seed : 0x9E3779B97F4A7C15ull) {}

    std::uint64_t next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }

    // Uniform in [0, 1), from the top 53 bits.
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform in [-1, 1): white noise.
    double bipolar() { return 2.0 * uniform() - 1.0; }

  private:
    std::uint64_t state_;
};

}  // namespace ritmora::strokes
