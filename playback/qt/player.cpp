#include "playback/qt/player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>
#include <chrono>

#include "playback/qt/audio_output.h"

namespace ritmora {

namespace {

// How often the output is fed and the sound server's clock read while playing: fine enough that
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
    // Connected now, well before the first play: see AudioOutput.
    if (output_ == Output::Automatic) audio_ = std::make_unique<AudioOutput>();
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
    EndSound();
    const int lastMs = static_cast<int>(layout_->DurationMs());
    playFromMs_ = std::clamp(fromMs, 0, lastMs);
    clock_.Hold(playFromMs_);
    startedSent_ = false;
    state_ = State::Playing;
    playStartNowMs_ = NowMs();
    nextByte_ = layout_->DataByteAt(playFromMs_);
    // With nothing left to play there is nothing for a sound server to start on: the clock
    // alone reaches the end at once.
    silent_ = !audio_ || nextByte_ >= layout_->dataBytes ||
              !audio_->Begin(layout_->sampleRate, layout_->channels);
    if (silent_) {
        clock_.Run(NowMs());
    } else {
        Feed();
    }
    ticker_.start();
}

void Player::Pause() {
    if (state_ != State::Playing) return;
    ticker_.stop();
    clock_.Freeze(NowMs());
    if (!silent_) audio_->Suspend();
    state_ = State::Paused;
}

void Player::Resume() {
    if (state_ != State::Paused) return;
    state_ = State::Playing;
    if (silent_) {
        clock_.Run(NowMs());
    } else {
        // The clock waits for the server to play on from where it stopped.
        audio_->Resume();
    }
    ticker_.start();
}

void Player::StopClose() {
    ticker_.stop();
    EndSound();
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
    return !silent_ && state_ == State::Playing ? HeardMs() : PositionExactMs();
}

int Player::PositionMs() const { return static_cast<int>(PositionExactMs() + 0.5); }

void Player::Tick() {
    if (state_ != State::Playing) return;
    const double now = NowMs();
    if (!silent_ &&
        (audio_->Failed() || (!startedSent_ && now - playStartNowMs_ > kStartTimeoutMs))) {
        // The server went away (or never played): carry on without sound.
        GoSilent();
    }
    if (!silent_) {
        Feed();
        const double heard = HeardMs();
        if (clock_.Follow(heard, now) && !startedSent_) {
            startedSent_ = true;
            emit started();
            if (state_ != State::Playing) return;  // a receiver stopped us
        }
        if (startedSent_ && heard >= layout_->DurationMs() - 0.5) Finish();
        return;
    }
    if (!startedSent_) {
        startedSent_ = true;
        emit started();
        if (state_ != State::Playing) return;  // a receiver stopped us
    }
    if (clock_.Position(now) >= layout_->DurationMs()) Finish();
}

void Player::Feed() {
    const int frame = layout_->BytesPerFrame();
    for (int round = 0; round < 4; ++round) {
        const qint64 room = audio_->BytesFree();
        if (room < frame) return;
        QByteArray data;
        if (nextByte_ < layout_->dataBytes) {
            const qint64 chunk = std::min(room, layout_->dataBytes - nextByte_);
            if (file_.seek(layout_->dataOffset + nextByte_)) {
                data = file_.read(chunk - chunk % frame);
            }
            data.truncate(data.size() - data.size() % frame);
            // An unreadable rest plays as silence, and the end comes as for a whole file.
            if (data.isEmpty()) nextByte_ = layout_->dataBytes;
        }
        if (data.isEmpty()) {
            // Past the end the stream gets silence until the end has been heard and it is
            // ended: a stream left to run dry has the server call back later (see AudioOutput).
            data.fill('\0', room - room % frame);
        }
        const qint64 written = audio_->Write(data.constData(), data.size());
        if (written <= 0) return;
        nextByte_ += written - written % frame;
    }
}

void Player::EndSound() {
    if (audio_) audio_->End();
}

void Player::GoSilent() {
    const double now = NowMs();
    const double position = clock_.Position(now);
    EndSound();
    silent_ = true;
    clock_.Hold(position);
    clock_.Run(now);
}

void Player::Finish() {
    ticker_.stop();
    EndSound();
    state_ = State::Stopped;
    clock_.Hold(layout_->DurationMs());
    emit finished();
}

double Player::NowMs() const {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double Player::HeardMs() const { return playFromMs_ + audio_->PlayedMs(); }

}  // namespace ritmora
