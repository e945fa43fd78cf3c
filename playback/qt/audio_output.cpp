#include "playback/qt/audio_output.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

namespace ritmora {

namespace {

// The stream's buffer: the server splits it between its own latency (about a third) and data
// waiting in the stream. Short, so that the server's account of what has been heard is close
// from the first moment; long enough to ride out a busy moment of the window's thread, which
// feeds it.
constexpr int kBufferMs = 120;

QAudioFormat Format(int sampleRate, int channels) {
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// Set before every start: the sink keeps the size the server granted last time, which shrinks
// with every stream when it is asked for again.
void SizeBuffer(QAudioSink& sink) {
    sink.setBufferSize(sink.format().bytesForDuration(kBufferMs * 1000));
}

}  // namespace

AudioOutput::AudioOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    latencyHolder_ = std::make_unique<QAudioSink>(device, Format(44100, 1));
    SizeBuffer(*latencyHolder_);
    // Never written: it cannot run dry, and corked it does not keep the server from sleeping.
    if (latencyHolder_->start() && latencyHolder_->error() == QAudio::NoError) {
        latencyHolder_->suspend();
    } else {
        latencyHolder_.reset();
    }
}

AudioOutput::~AudioOutput() {
    RetireSink();
    // It never played, so nothing of it can still be answered.
    if (latencyHolder_) latencyHolder_->stop();
}

bool AudioOutput::Begin(int sampleRate, int channels) {
    End();
    const QAudioFormat format = Format(sampleRate, channels);
    if (sink_ && format != format_) RetireSink();
    if (!sink_) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return false;
        sink_ = std::make_unique<QAudioSink>(device, format);
        format_ = format;
    }
    SizeBuffer(*sink_);
    input_ = sink_->start();
    if (!input_ || sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        End();
        return false;
    }
    return true;
}

void AudioOutput::End() {
    input_ = nullptr;
    if (sink_ && sink_->state() != QAudio::StoppedState) sink_->stop();
}

void AudioOutput::Suspend() {
    if (input_) sink_->suspend();
}

void AudioOutput::Resume() {
    if (input_) sink_->resume();
}

qint64 AudioOutput::BytesFree() const { return input_ ? sink_->bytesFree() : 0; }

qint64 AudioOutput::Write(const char* data, qint64 bytes) {
    return input_ ? input_->write(data, bytes) : 0;
}

double AudioOutput::PlayedMs() const { return input_ ? sink_->processedUSecs() / 1000.0 : 0.0; }

bool AudioOutput::Failed() const {
    if (!input_) return false;
    const QAudio::Error error = sink_->error();
    return error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError;
}

void AudioOutput::RetireSink() {
    End();
    if (sink_) {
        // Opening a stream waits for the server's answer, which comes after its answers to
        // everything sent before; closing this one leaves nothing that could still call back.
        SizeBuffer(*sink_);
        if (sink_->start()) sink_->stop();
    }
    sink_.reset();
}

}  // namespace ritmora
