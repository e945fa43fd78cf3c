// Measures how closely the beat marker follows playback: plays a generated click track with an
// uneven stroke pattern and, at every marker move, compares the player's position with the
// stroke end the move was scheduled for. Prints the median, 99th percentile and largest absolute
// difference, also against the sound server's raw reading and against the wall clock counted
// from started().
//
//   marker_accuracy_probe [seconds=30] [--silent]
//
// Run it against a sound server (PULSE_SERVER=... for a PulseAudio null sink); --silent uses the
// clock that stands in when there is none. Not a test: the figures depend on the machine.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "playback/qt/beat_marker.h"
#include "playback/qt/player.h"
#include "tests/playback/test_wav.h"

namespace {

struct Stats {
    double median = 0, p99 = 0, max = 0;
};

Stats Summarise(std::vector<double> values) {
    for (double& v : values) v = std::abs(v);
    std::sort(values.begin(), values.end());
    if (values.empty()) return {};
    auto at = [&](double q) {
        return values[std::min(values.size() - 1, static_cast<std::size_t>(q * values.size()))];
    };
    return {at(0.5), at(0.99), values.back()};
}

void Print(const char* what, const std::vector<double>& values) {
    const Stats s = Summarise(values);
    std::printf("%-34s median %6.2f ms   p99 %6.2f ms   max %7.2f ms\n", what, s.median, s.p99,
                s.max);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int seconds = 30;
    bool silent = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--silent") == 0) {
            silent = true;
        } else {
            seconds = std::max(2, std::atoi(argv[i]));
        }
    }

    // An uneven pattern of strokes, as an usul has: 250, 125, 125, 500, 375, 250, 125, 250 ms.
    const int pattern[] = {250, 125, 125, 500, 375, 250, 125, 250};
    std::vector<int> ends;
    for (int t = 0, i = 0;; ++i) {
        t += pattern[i % 8];
        if (t >= seconds * 1000) break;
        ends.push_back(t);
    }
    std::vector<int> clicks{0};
    clicks.insert(clicks.end(), ends.begin(), ends.end());

    QTemporaryDir dir;
    const QString path = dir.filePath("probe.wav");
    if (!ritmora::test::WriteFile(
            path.toStdString(),
            ritmora::test::WavBytes(ritmora::test::ClickTrack(seconds * 1000, clicks)))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }

    using ritmora::Player;
    Player player(silent ? Player::Output::Silent : Player::Output::Automatic);
    ritmora::BeatMarker marker(player);
    if (!player.Open(path)) return 1;

    std::vector<double> byPosition, byServer, byWall;
    QElapsedTimer wall;
    QObject::connect(&player, &Player::started, [&] { wall.start(); });
    marker.Follow(ends, [&](int stroke) {
        const double due = ends[static_cast<std::size_t>(stroke) - 1];
        byPosition.push_back(player.PositionExactMs() - due);
        byServer.push_back(player.ServerPositionMs() - due);
        byWall.push_back(wall.nsecsElapsed() / 1e6 - due);
        if (std::getenv("PROBE_VERBOSE")) {
            std::printf("stroke %4d due %7.0f  position %+8.2f  server %+8.2f  wall %+8.2f\n",
                        stroke, due, byPosition.back(), byServer.back(), byWall.back());
        }
    });
    QObject::connect(&player, &Player::finished, &app, &QCoreApplication::quit);
    // The window makes its player long before the first Start; a sound server that was idle
    // needs up to two seconds to come down to the player's latency (see AudioOutput).
    QTimer::singleShot(silent ? 0 : 2500, &player, [&] { player.Play(0); });
    app.exec();

    std::printf("%s output, %d s, %zu marker moves%s\n",
                player.IsSilent() ? "silent" : "sound-server", seconds, byPosition.size(),
                Player::HasAudioOutput() ? "" : " (no audio output found)");
    Print("marker vs player position:", byPosition);
    Print("marker vs raw server reading:", byServer);
    Print("marker vs wall clock from start:", byWall);
    return 0;
}
