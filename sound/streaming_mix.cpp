#include "sound/streaming_mix.h"

#include <algorithm>
#include <array>

#include "sound/render_limits.h"

namespace ritmora {

StreamingMix::StreamingMix(std::int64_t length, Sink sink)
    : length_(std::max<std::int64_t>(length, 0)), sink_(std::move(sink)) {}

bool StreamingMix::HandOn(std::int64_t upTo) {
    static const std::array<std::int16_t, kRenderChunkSamples> kSilence{};
    upTo = std::min(upTo, length_);
    while (!stopped_ && base_ < upTo) {
        const auto held = static_cast<std::int64_t>(window_.size() - front_);
        std::int64_t count = std::min(upTo - base_, kRenderChunkSamples);
        if (held > 0) {
            count = std::min(count, held);
            stopped_ = !sink_({window_.data() + front_, static_cast<std::size_t>(count)});
            front_ += static_cast<std::size_t>(count);
        } else {
            stopped_ = !sink_({kSilence.data(), static_cast<std::size_t>(count)});
        }
        base_ += count;
    }
    // What was handed on is dropped once it is half the window, so each sample moves at most
    // once more.
    if (front_ > 0 && front_ * 2 >= window_.size()) {
        window_.erase(window_.begin(), window_.begin() + static_cast<std::ptrdiff_t>(front_));
        front_ = 0;
    }
    return !stopped_;
}

bool StreamingMix::Overlay(const WavReader& stroke, std::int64_t position, StrokeKind kind) {
    if (stopped_) return false;
    const std::int64_t start = position - 1;
    const std::int64_t strokeLength = stroke.CurrentFrameCount();
    if (start >= length_ || strokeLength <= 0) return true;  // nothing of it is heard
    // Whatever lies a chunk or more behind this start can no longer change (the margin keeps a
    // start that a rounding sets back by a sample inside the window).
    if (start - base_ >= 2 * kRenderChunkSamples && !HandOn(start - kRenderChunkSamples)) {
        return false;
    }
    const std::int64_t end = std::min(length_, start + strokeLength);
    const std::size_t needed = front_ + static_cast<std::size_t>(end - base_);
    if (needed > window_.size()) window_.resize(needed, 0);
    stroke.Overlay(std::span<std::int16_t>(window_).subspan(front_), start - base_ + 1, kind);
    return true;
}

bool StreamingMix::Finish() { return HandOn(length_); }

std::vector<std::int16_t> MixWhole(std::int64_t length,
                                   const std::function<void(StreamingMix&)>& mix) {
    std::vector<std::int16_t> out;
    out.reserve(static_cast<std::size_t>(std::max<std::int64_t>(length, 0)));
    StreamingMix mixer(length, [&out](std::span<const std::int16_t> samples) {
        out.insert(out.end(), samples.begin(), samples.end());
        return true;
    });
    mix(mixer);
    mixer.Finish();
    return out;
}

}  // namespace ritmora
