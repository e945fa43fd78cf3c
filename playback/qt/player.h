#pragma once
// The one player of the program: opens a rendered WAV file, plays it from a millisecond, pauses,
// resumes, stops and closes, and tells what is being heard.
//
// Audio goes to the default output through one AudioOutput for the player's whole life, fed from
// the file as the server asks for it. The position is the sound server's own account of what
// has been heard, smoothed by a PositionClock. With no audio output at all (no device, a sink that
// fails, or RITMORA_AUDIO=silent in the environment) the player runs a silent clock that behaves
// the same: the position advances with real time, pauses and resumes, and finished() comes at the
// end, so the program and its timers work without an audio server.
//
// Everything happens on the thread the player lives on (the GUI thread).
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "playback/position_clock.h"
#include "playback/wav_layout.h"

namespace ritmora {

class AudioOutput;

class Player : public QObject {
    Q_OBJECT

  public:
    enum class Output {
        Automatic,  // the default audio output; the silent clock when there is none
        Silent,     // always the silent clock
    };

    // Automatic, unless the environment variable RITMORA_AUDIO is "silent" or "none".
    explicit Player(QObject* parent = nullptr);
    explicit Player(Output output, QObject* parent = nullptr);
    ~Player() override;

    // Closes whatever was open, then opens a 16-bit PCM WAV file. False when the file cannot
    // be read or is no such WAV; nothing is open then.
    bool Open(const QString& wavPath);
    // Plays the open file from fromMs (clamped to the file); nothing happens when nothing is
    // open. Whatever was playing stops first.
    void Play(int fromMs);
    void Pause();
    void Resume();
    // Stops and closes the file; harmless when nothing is open.
    void StopClose();

    // What is heard now, in milliseconds from the start of the file; 0 when nothing is open.
    int PositionMs() const;
    double PositionExactMs() const;
    // The sound server's own, unsmoothed reading of what has been heard (the clock when
    // silent); for measurements.
    double ServerPositionMs() const;
    bool IsOpen() const { return layout_.has_value(); }
    bool IsPlaying() const { return state_ == State::Playing; }
    bool IsPaused() const { return state_ == State::Paused; }
    // True while the current playback runs on the silent clock.
    bool IsSilent() const { return silent_; }
    // Length of the open file in milliseconds (0 when nothing is open).
    double DurationMs() const { return layout_ ? layout_->DurationMs() : 0.0; }

    // Whether this machine offers an audio output at all.
    static bool HasAudioOutput();

  signals:
    // The audio has begun to sound (or, silently, the clock has begun to run): the moment from
    // which to follow the playback.
    void started();
    // The file has sounded to its end.
    void finished();

  private:
    enum class State { Closed, Stopped, Playing, Paused };

    void Tick();
    void Feed();
    void EndSound();
    void GoSilent();
    void Finish();
    double NowMs() const;
    double HeardMs() const;

    Output output_;
    State state_ = State::Closed;
    QFile file_;
    std::optional<PcmLayout> layout_;
    std::unique_ptr<AudioOutput> audio_;  // null when always silent
    qint64 nextByte_ = 0;                 // within the data: next byte to hand over
    int playFromMs_ = 0;
    bool silent_ = false;
    bool startedSent_ = false;
    double playStartNowMs_ = 0.0;
    PositionClock clock_;
    QTimer ticker_;
};

}  // namespace ritmora
