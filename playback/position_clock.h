#pragma once
// Turns an audio server's readings of "how much has been heard" into the position the program
// shows and follows: smooth, never running backwards, and standing still while nothing sounds.
//
// A sound server's clock is interpolated between its timing updates: on the PulseAudio null
// sink it drifts behind by up to ~75 ms over a few seconds and then jumps forward again. Taking
// each reading raw would make the marker stutter, so the clock runs on the steady clock at the
// rate of real time and takes the server's readings as corrections: a reading ahead of the clock
// speeds it up until it has caught up (catchUpPerMs; a reading far ahead, jumpMs, is taken at
// once), a reading behind it pulls it back slowly (slewPerMs), and a reading far behind (stallMs:
// the audio has stopped flowing) holds the clock where it is until the audio has caught up. So
// the marker keeps an even pace instead of jumping with every timing update of the server. The same
// class is the silent clock when there is no audio server at all (Run without any readings).
//
// All times are milliseconds; "now" is any steadily increasing time base.

namespace ritmora {

class PositionClock {
  public:
    struct Tuning {
        double stallMs = 80.0;      // readings this far behind mean the audio has stopped
        double slewPerMs = 0.002;   // how fast a lagging server pulls the clock back (ms per ms)
        double catchUpPerMs = 0.1;  // how fast the clock catches up with a leading server
        double jumpMs = 150.0;      // a server this far ahead is followed at once
    };

    PositionClock() = default;
    explicit PositionClock(Tuning tuning) : tuning_(tuning) {}

    // Stands still at positionMs until the audio is seen to move past it (Follow) or Run.
    void Hold(double positionMs);
    // Stands still at the current position (a pause).
    void Freeze(double nowMs);
    // Runs on from the current position at the rate of real time (the silent clock).
    void Run(double nowMs);

    // One reading of the audio clock. Returns true when this reading set the clock going: the
    // audio began (or began again) to sound.
    bool Follow(double heardMs, double nowMs);

    double Position(double nowMs) const;
    bool IsRunning() const { return running_; }

  private:
    Tuning tuning_{};
    bool running_ = false;
    double heldMs_ = 0.0;    // the position while standing still
    double offsetMs_ = 0.0;  // position - now while running
    double lastNowMs_ = 0.0;
};

}  // namespace ritmora
