#include "playback/position_clock.h"

#include <algorithm>

namespace ritmora {

void PositionClock::Hold(double positionMs) {
    running_ = false;
    heldMs_ = positionMs;
}

void PositionClock::Freeze(double nowMs) { Hold(Position(nowMs)); }

void PositionClock::Run(double nowMs) {
    if (running_) return;
    running_ = true;
    offsetMs_ = heldMs_ - nowMs;
    lastNowMs_ = nowMs;
}

bool PositionClock::Follow(double heardMs, double nowMs) {
    if (!running_) {
        // Wait until the audio has really moved past where we stand: a server that has not
        // started yet (or resumes a little late) reads at or below the held position.
        if (heardMs <= heldMs_) return false;
        running_ = true;
        offsetMs_ = heardMs - nowMs;
        lastNowMs_ = nowMs;
        return true;
    }
    const double sample = heardMs - nowMs;
    const double elapsed = std::max(0.0, nowMs - lastNowMs_);
    lastNowMs_ = nowMs;
    if (sample >= offsetMs_) {
        offsetMs_ = sample - offsetMs_ > tuning_.jumpMs
                        ? sample
                        : std::min(sample, offsetMs_ + tuning_.catchUpPerMs * elapsed);
    } else if (offsetMs_ - sample > tuning_.stallMs) {
        Hold(nowMs + offsetMs_);
    } else {
        offsetMs_ = std::max(sample, offsetMs_ - tuning_.slewPerMs * elapsed);
    }
    return false;
}

double PositionClock::Position(double nowMs) const {
    return running_ ? nowMs + offsetMs_ : heldMs_;
}

}  // namespace ritmora
