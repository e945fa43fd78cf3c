#include "monitor_recorder.h"

#include <QProcess>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>

#include <csignal>
#endif

namespace ritmora::bench {

double MonitorRecorder::NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

bool MonitorRecorder::Start(int latencyMs) {
    Stop();
    stopping_ = false;
    delivering_ = false;
    {
        std::lock_guard lock(mutex_);
        error_.clear();
        pieces_.clear();
    }
    thread_ = std::thread([this, latencyMs] { Run(latencyMs); });
    // Unasked, parec's pieces are two seconds long.
    const double deadline = NowMs() + 5000.0;
    while (!delivering_ && NowMs() < deadline) QThread::msleep(5);
    if (delivering_) return true;
    Stop();
    std::lock_guard lock(mutex_);
    if (error_.isEmpty()) error_ = "parec delivered nothing within five seconds";
    return false;
}

void MonitorRecorder::Stop() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
}

QString MonitorRecorder::Error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

void MonitorRecorder::Run(int latencyMs) {
    QProcess parec;
    QStringList arguments{"--device=@DEFAULT_MONITOR@",    "--raw",        "--format=s16le",
                          QString("--rate=%1").arg(kRate), "--channels=1", "--client-name=probe"};
    if (latencyMs > 0) arguments << QString("--latency-msec=%1").arg(latencyMs);
#ifdef Q_OS_LINUX
    // Gone with this thread, even if the probe crashes.
    parec.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    parec.start("parec", arguments);
    if (!parec.waitForStarted(2000)) {
        std::lock_guard lock(mutex_);
        error_ = "cannot start parec: " + parec.errorString();
        return;
    }
    QByteArray carry;  // an odd byte left over from the previous read
    std::int64_t recorded = 0;
    while (!stopping_) {
        if (!parec.waitForReadyRead(50)) {
            if (parec.state() == QProcess::NotRunning) {
                std::lock_guard lock(mutex_);
                error_ = "parec ended: " + QString::fromLocal8Bit(parec.readAllStandardError());
                return;
            }
            continue;
        }
        const double arrival = NowMs();
        const QByteArray data = carry + parec.readAllStandardOutput();
        const qsizetype whole = data.size() - data.size() % 2;
        carry = data.mid(whole);
        Piece piece{arrival, recorded + whole / 2, -1, -1};
        for (qsizetype i = 0; i < whole; i += 2) {
            std::int16_t sample;
            std::memcpy(&sample, data.constData() + i, 2);
            if (std::abs(static_cast<int>(sample)) > kLoud) {
                if (piece.firstLoud < 0) piece.firstLoud = recorded + i / 2;
                piece.lastLoud = recorded + i / 2;
            }
        }
        recorded = piece.end;
        {
            std::lock_guard lock(mutex_);
            pieces_.push_back(piece);
        }
        delivering_ = true;
    }
    parec.kill();
    parec.waitForFinished(2000);
}

std::optional<double> MonitorRecorder::StartOfRecordingMs() const {
    constexpr double kWindowMs = 60000.0;  // T0 does not move: a minute of pieces is plenty
    constexpr double kClusterMs = 10.0;    // how far the usual delivery delays spread
    std::vector<double> values;
    {
        std::lock_guard lock(mutex_);
        for (auto it = pieces_.rbegin(); it != pieces_.rend(); ++it) {
            if (it->arrivalMs < pieces_.back().arrivalMs - kWindowMs) break;
            values.push_back(it->arrivalMs - it->end * 1000.0 / kRate);
        }
    }
    if (values.empty()) return std::nullopt;
    std::sort(values.begin(), values.end());
    std::size_t best = 0, bestCount = 0;
    for (std::size_t first = 0, last = 0; first < values.size(); ++first) {
        while (last < values.size() && values[last] <= values[first] + kClusterMs) ++last;
        if (last - first > bestCount) best = first, bestCount = last - first;
    }
    return values[best];
}

std::optional<std::int64_t> MonitorRecorder::FirstLoudFrom(std::int64_t from) const {
    std::lock_guard lock(mutex_);
    for (const Piece& p : pieces_) {
        if (p.end <= from || p.lastLoud < from) continue;
        // The piece holds a loud sample at or after `from`; its first one may lie before.
        if (p.firstLoud >= from) return p.firstLoud;
        return from;  // loud across `from` itself: the sound was already going
    }
    return std::nullopt;
}

std::optional<double> MonitorRecorder::ArrivalMs(std::int64_t index) const {
    std::lock_guard lock(mutex_);
    const auto it = std::upper_bound(pieces_.begin(), pieces_.end(), index,
                                     [](std::int64_t i, const Piece& p) { return i < p.end; });
    if (it == pieces_.end()) return std::nullopt;
    return it->arrivalMs;
}

std::int64_t MonitorRecorder::LastLoud() const {
    std::lock_guard lock(mutex_);
    for (auto it = pieces_.rbegin(); it != pieces_.rend(); ++it) {
        if (it->lastLoud >= 0) return it->lastLoud;
    }
    return -1;
}

std::int64_t MonitorRecorder::Recorded() const {
    std::lock_guard lock(mutex_);
    return pieces_.empty() ? 0 : pieces_.back().end;
}

}  // namespace ritmora::bench
