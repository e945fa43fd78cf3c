#pragma once
// Records what the default PulseAudio sink plays, through its monitor, with `parec`, so a probe can
// tell when a sound was really heard.
//
// The monitor hands on every sample the sink plays, in order, so sample k of the recording was
// played at T0 + k / 44 100 s, where T0 is when the recording's first sample was played. A piece
// arrives soon after its last sample has played, so "arrival minus the play length of everything
// up to the piece's end" is T0 plus a small delay for most pieces; when the server lowers its
// latency, the monitor hands on samples it has rendered ahead, whose pieces come early, and when
// it raises it they come late. So T0 is taken from the tightest cluster of those values (the
// lowest value in it). parec without a latency asks nothing of the sink, which then behaves as if
// nobody listened; with one the sink is held at that latency.
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

    // When the recording's first sample was played (T0), from the pieces of the last minute;
    // nullopt before the first piece.
    std::optional<double> StartOfRecordingMs() const;
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
