#pragma once
// The player's connection to the sound server: one audio sink that lives as long as the player
// and carries one stream per playback.
//
// Two hazards of the sound server shape it:
// - Qt Multimedia's PulseAudio sink is called back from the server's thread, also after it has
//   been stopped: a drain it asked for when its stream ran dry is answered later. A sink freed in
//   between is written to after it is gone. So the sink is made once and reused; the stream is
//   never left to run dry (the feeder pads the end with silence); and before the sink is freed
//   the server is made to answer everything sent to it before (a stream is opened and closed
//   again: its answer comes after all earlier ones).
// - A sink with nothing to play (the PulseAudio null sink, at least) renders seconds ahead. A new
//   stream that asks for a short latency can be rewound into only that short a stretch, so it is
//   heard only when the seconds rendered before have played (0.3-2 s after the click). So a
//   second, silent stream stays connected, corked, for the output's whole life and holds the
//   server at the latency the playback streams ask for.
#include <QAudioFormat>
#include <QtGlobal>
#include <memory>

class QAudioSink;
class QIODevice;

namespace ritmora {

class AudioOutput {
  public:
    // Connects the latency-holding stream when the machine has an audio output.
    AudioOutput();
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Begins a new stream of 16-bit samples, ending the one before. False when there is no
    // audio output or the server refuses.
    bool Begin(int sampleRate, int channels);
    // Ends the stream at once (what it holds is dropped); the sink stays for the next Begin.
    void End();
    void Suspend();
    void Resume();

    // The room in the stream's buffer, and handing samples to it (whole frames).
    qint64 BytesFree() const;
    qint64 Write(const char* data, qint64 bytes);
    // How much of this stream the server reports as played, in milliseconds.
    double PlayedMs() const;
    // The stream has failed (the server went away or broke the stream).
    bool Failed() const;

  private:
    // Frees the playback sink once the server can no longer call it back.
    void RetireSink();

    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QAudioSink> latencyHolder_;
    QAudioFormat format_;
    QIODevice* input_ = nullptr;  // owned by sink_
};

}  // namespace ritmora
