#include "playback/qt/player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <chrono>

namespace ritmora {

namespace {

// How often the sink is fed and the sound server's clock read while playing: fine enough that
// started() comes within a few milliseconds of the first sound.
constexpr int kTickMs = 5;
// A sound server that takes this long to play anything is treated as absent.
constexpr double kStartTimeoutMs = 5000.0;
// Enough of the file to hold every header chunk the renderers and common tools write.
constexpr qint64 kHeaderBytes = 4096;

Player::Output OutputFromEnvironment() {
    const QByteArray wish = qgetenv("RITMORA_AUDIO").trimmed().toLower();
    return wish == "silent" || wish == "none" ? Player::Output::Silent : Player::Output::Automatic;
}

}  // namespace

Player::Player(QObject* parent) : Player(OutputFromEnvironment(), parent) {}

Player::Player(Output output, QObject* parent) : QObject(parent), output_(output) {
    ticker_.setTimerType(Qt::PreciseTimer);
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &Player::Tick);
}

Player::~Player() { StopClose(); }

bool Player::HasAudioOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

bool Player::Open(const QString& wavPath) {
    StopClose();
    file_.setFileName(wavPath);
    if (!file_.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file_.read(kHeaderBytes);
    const auto* bytes = reinterpret_cast<const unsigned char*>(head.constData());
    layout_ = ReadPcmLayout({bytes, static_cast<std::size_t>(head.size())}, file_.size());
    if (!layout_) {
        file_.close();
        return false;
    }
    state_ = State::Stopped;
    clock_.Hold(0.0);
    return true;
}

void Player::Play(int fromMs) {
    if (!layout_) return;
    ticker_.stop();
    ReleaseSink();
    const int lastMs = static_cast<int>(layout_->DurationMs());
    playFromMs_ = std::clamp(fromMs, 0, lastMs);
    clock_.Hold(playFromMs_);
    startedSent_ = false;
    state_ = State::Playing;
    playStartNowMs_ = NowMs();
    const qint64 fromByte = layout_->DataByteAt(playFromMs_);
    // With nothing left to play there is nothing for a sound server to start on: the clock
    // alone reaches the end at once.
    silent_ = output_ == Output::Silent || fromByte >= layout_->dataBytes || !StartSink(fromByte);
    if (silent_) clock_.Run(NowMs());
    ticker_.start();
}

void Player::Pause() {
    if (state_ != State::Playing) return;
    ticker_.stop();
    clock_.Freeze(NowMs());
    if (sink_) sink_->suspend();
    state_ = State::Paused;
}

void Player::Resume() {
    if (state_ != State::Paused) return;
    state_ = State::Playing;
    if (sink_) {
        // The clock waits for the server to play on from where it stopped.
        sink_->resume();
    } else {
        clock_.Run(NowMs());
    }
    ticker_.start();
}

void Player::StopClose() {
    ticker_.stop();
    ReleaseSink();
    file_.close();
    layout_.reset();
    state_ = State::Closed;
    silent_ = false;
    clock_.Hold(0.0);
}

double Player::PositionExactMs() const {
    if (!layout_) return 0.0;
    return std::clamp(clock_.Position(NowMs()), 0.0, layout_->DurationMs());
}

double Player::ServerPositionMs() const {
    return sink_ && state_ == State::Playing ? HeardMs() : PositionExactMs();
}

int Player::PositionMs() const { return static_cast<int>(PositionExactMs() + 0.5); }

void Player::Tick() {
    if (state_ != State::Playing) return;
    const double now = NowMs();
    if (sink_) {
        const auto error = sink_->error();
        if (error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError ||
            (!startedSent_ && now - playStartNowMs_ > kStartTimeoutMs)) {
            // The server went away (or never played): carry on without sound.
            GoSilent();
        }
    }
    if (sink_) {
        FeedSink();
        const double heard = HeardMs();
        if (clock_.Follow(heard, now) && !startedSent_) {
            startedSent_ = true;
            emit started();
            if (state_ != State::Playing) return;  // a receiver stopped us
        }
        const bool allHandedOver = nextByte_ >= layout_->dataBytes;
        if (allHandedOver && startedSent_ &&
            (heard >= layout_->DurationMs() - 0.5 || sink_->state() == QAudio::IdleState)) {
            Finish();
        }
        return;
    }
    if (!startedSent_) {
        startedSent_ = true;
        emit started();
        if (state_ != State::Playing) return;  // a receiver stopped us
    }
    if (clock_.Position(now) >= layout_->DurationMs()) Finish();
}

void Player::FeedSink() {
    const int frame = layout_->BytesPerFrame();
    for (int round = 0; round < 4; ++round) {
        qint64 chunk = std::min<qint64>(sink_->bytesFree(), layout_->dataBytes - nextByte_);
        chunk -= chunk % frame;
        if (chunk <= 0) return;
        if (!file_.seek(layout_->dataOffset + nextByte_)) {
            nextByte_ = layout_->dataBytes;  // an unreadable rest plays as the end
            return;
        }
        QByteArray data = file_.read(chunk);
        data.truncate(data.size() - data.size() % frame);
        if (data.isEmpty()) {
            nextByte_ = layout_->dataBytes;
            return;
        }
        const qint64 written = sinkInput_->write(data);
        if (written <= 0) return;
        nextByte_ += written - written % frame;
    }
}

bool Player::StartSink(qint64 fromByte) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(layout_->sampleRate);
    format.setChannelCount(layout_->channels);
    format.setSampleFormat(QAudioFormat::Int16);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sinkInput_ = sink_->start();
    if (!sinkInput_ || sink_->error() != QAudio::NoError ||
        sink_->state() == QAudio::StoppedState) {
        ReleaseSink();
        return false;
    }
    nextByte_ = fromByte;
    FeedSink();
    return true;
}

void Player::ReleaseSink() {
    if (!sink_) return;
    sink_->stop();
    sink_.reset();
    sinkInput_ = nullptr;
}

void Player::GoSilent() {
    const double now = NowMs();
    const double position = clock_.Position(now);
    ReleaseSink();
    silent_ = true;
    clock_.Hold(position);
    clock_.Run(now);
}

void Player::Finish() {
    ticker_.stop();
    ReleaseSink();
    state_ = State::Stopped;
    clock_.Hold(layout_->DurationMs());
    emit finished();
}

double Player::NowMs() const {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double Player::HeardMs() const { return playFromMs_ + sink_->processedUSecs() / 1000.0; }

}  // namespace ritmora
