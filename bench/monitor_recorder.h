#pragma once
// Records what the default PulseAudio sink plays, through its monitor, with `parec`, so a probe can
// tell when a sound was really heard.
//
// The monitor hands on every sample the sink plays, in order, so sample k of the recording was
// played at T0 + k / 44 100 s, where T0 is when the recording's first sample was played. The null
// sink renders ahead and its monitor hands samples on in bursts, so the arrival of a piece is only
// an upper bound for the time its samples were played: T0 is taken as the smallest "arrival minus
// the play length of everything up to the piece's end" over the pieces that arrived in the quiet
// seconds before a measurement. parec without a latency asks nothing of the sink, which then
// behaves as if nobody listened; with one the sink is held at that latency.
#include <QString>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace ritmora::bench {

class MonitorRecorder {
  public:
    static constexpr int kRate = 44100;
    // Louder than the null sink's silence (exact zeros), softer than any stroke's onset.
    static constexpr int kLoud = 300;

    MonitorRecorder() = default;
    ~MonitorRecorder() { Stop(); }
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Starts parec on the default sink's monitor (mono, 16-bit) with the given latency in
    // milliseconds (0: none asked). False, with the reason in Error(), when it does not run.
    bool Start(int latencyMs);
    void Stop();
    QString Error() const;

    // Milliseconds on the steady clock, the same base as Player's.
    static double NowMs();

    // When the recording's first sample was played, from the pieces that arrived within
    // `windowMs` before `beforeMs`; nullopt when none did.
    std::optional<double> StartOfRecordingMs(double beforeMs, double windowMs) const;
    // The first loud sample at or after sample `from`.
    std::optional<std::int64_t> FirstLoudFrom(std::int64_t from) const;
    // When the piece holding sample `index` arrived: an upper bound for its play time.
    std::optional<double> ArrivalMs(std::int64_t index) const;
    // The last loud sample (-1 if none) and the number of samples recorded so far.
    std::int64_t LastLoud() const;
    std::int64_t Recorded() const;

  private:
    struct Piece {
        double arrivalMs;
        std::int64_t end;        // samples recorded up to the end of this piece
        std::int64_t firstLoud;  // its first and last loud sample, -1 if none
        std::int64_t lastLoud;
    };

    void Run(int latencyMs);

    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> delivering_{false};
    mutable std::mutex mutex_;
    std::vector<Piece> pieces_;
    QString error_;
};

}  // namespace ritmora::bench
