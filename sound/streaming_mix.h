#pragma once
// Mixing strokes into an output of known length without holding the output whole. Strokes come
// in the order of their positions, so everything before the latest stroke's start is final and
// is handed on in chunks; memory holds only the stretch that later strokes can still reach.
// The samples handed on are exactly those OverlayStroke gives on one buffer of the full length.
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "sound/wav.h"

namespace ritmora {

class StreamingMix {
  public:
    // Receives the finished samples in order; returns false to stop the mixing.
    using Sink = std::function<bool(std::span<const std::int16_t>)>;

    StreamingMix(std::int64_t length, Sink sink);

    // Lays the reader's current sample in at the 1-based `position` (OverlayStroke). Positions
    // may only grow (the renderers' positions do). False once the sink has stopped.
    bool Overlay(const WavReader& stroke, std::int64_t position, StrokeKind kind);
    // Hands on the rest of the output, silence included. False when the sink stopped.
    bool Finish();

  private:
    bool HandOn(std::int64_t upTo);

    std::int64_t length_;
    Sink sink_;
    std::int64_t base_ = 0;  // 0-based output index of window_[front_]; all before is handed on
    std::vector<std::int16_t> window_;
    std::size_t front_ = 0;  // samples at the start of window_ already handed on
    bool stopped_ = false;
};

// Renders `length` samples with `mix` (which lays its strokes into the given StreamingMix) and
// returns them whole. For outputs short enough to copy.
std::vector<std::int16_t> MixWhole(std::int64_t length,
                                   const std::function<void(StreamingMix&)>& mix);

}  // namespace ritmora
