#pragma once
// Moves the beat marker of a playing usul from stroke to stroke, following what is heard.
//
// Rather than one live timer per stroke (a five-minute loop schedules hundreds), a single precise
// timer is re-armed for the next stroke end each time it fires. Its delay is measured against the
// player's position, not against the moment of the click: the marker starts with the player's
// started() signal, and if the audio is late or stalls the marker waits for it. What the user sees
// is the same as with one timer per stroke: stroke k's move happens when playback reaches
// strokeEndMs[k - 1].
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

#include "playback/schedule.h"

namespace ritmora {

class Player;

class BeatMarker : public QObject {
    Q_OBJECT

  public:
    // Called with k when the marker moves on from stroke k to stroke k + 1 (k = 1 .. n - 1).
    using MoveCallback = std::function<void(int stroke)>;

    explicit BeatMarker(const Player& player, QObject* parent = nullptr);

    // Follows the player from its next started(). strokeEndMs holds stroke k's end at index
    // k - 1, in milliseconds of the file; the last stroke gets no move.
    void Follow(const std::vector<int>& strokeEndMs, MoveCallback onMove);
    // No more moves (the stop handler); harmless when idle.
    void Stop();

    // The last stroke whose move happened, 0 before the first.
    int CurrentStroke() const { return currentStroke_; }
    // True from Follow until the last move or Stop.
    bool IsActive() const { return active_; }

  private:
    void OnStarted();
    void Step();

    const Player& player_;
    std::vector<TimerDue> moves_;
    std::size_t next_ = 0;
    MoveCallback onMove_;
    int currentStroke_ = 0;
    bool active_ = false;
    bool waitingForStart_ = false;
    QTimer timer_;
};

}  // namespace ritmora
