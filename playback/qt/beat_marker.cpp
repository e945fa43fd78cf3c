#include "playback/qt/beat_marker.h"

#include <cmath>

#include "playback/qt/player.h"

namespace ritmora {

namespace {
// While the player is paused the position stands still; look again this often.
constexpr int kPausedPollMs = 20;
}  // namespace

BeatMarker::BeatMarker(const Player& player, QObject* parent) : QObject(parent), player_(player) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &BeatMarker::Step);
    connect(&player_, &Player::started, this, &BeatMarker::OnStarted);
}

void BeatMarker::Follow(const std::vector<int>& strokeEndMs, MoveCallback onMove) {
    timer_.stop();
    moves_ = MarkerTimers(strokeEndMs);
    next_ = 0;
    onMove_ = std::move(onMove);
    currentStroke_ = 0;
    active_ = !moves_.empty();
    waitingForStart_ = active_;
}

void BeatMarker::Stop() {
    timer_.stop();
    active_ = false;
    waitingForStart_ = false;
}

void BeatMarker::OnStarted() {
    if (!waitingForStart_) return;
    waitingForStart_ = false;
    Step();
}

void BeatMarker::Step() {
    if (!active_) return;
    if (!player_.IsPlaying() && !player_.IsPaused()) {
        Stop();  // stopped or finished: the stop handler removes the marker
        return;
    }
    const double position = player_.PositionExactMs();
    while (next_ < moves_.size() && moves_[next_].dueMs <= position + 0.25) {
        const int stroke = moves_[next_++].id;
        currentStroke_ = stroke;
        if (next_ == moves_.size()) active_ = false;
        if (onMove_) onMove_(stroke);
        if (!active_) return;  // the last move, or the callback stopped us
    }
    if (player_.IsPaused()) {
        timer_.start(kPausedPollMs);
        return;
    }
    timer_.start(static_cast<int>(std::ceil(moves_[next_].dueMs - position)));
}

}  // namespace ritmora
