// Measures the wait between pressing Start and hearing the usul. Each run does what the Start
// button does (renders the usul of a library slot, opens the file in the one player, plays it)
// while parec records the sink's monitor; the run ends with the sound heard, then alternately
// plays to its end or is stopped part-way, as a user does. Reported per run and as median and
// worst:
//   render      the rendering alone
//   play call   Player::Play itself (connecting to the sound server)
//   started     from Play to the player's started() (the beat marker and running time start there)
//   heard       from Play to the playing of the first loud sample on the monitor (by the
//               recording's own sample clock; see MonitorRecorder, good to a few milliseconds)
//   lead        started minus heard: how early (negative) or late the marker starts
//   arrived     from Play to the arrival of the recorded piece holding that sample (an upper
//               bound for "heard", fine only when the recorder asks for a short latency)
// With --paplay the same file is played by `paplay` instead (no player in the process) and timed
// the same way, from starting the process; --paplay-latency MS has paplay ask the server for that
// latency, as the player does. So the sound server's share can be told from the program's.
//
//   start_latency_probe [runs=20] [--slot N] [--bpm B] [--loop] [--record-latency MS]
//                       [--paplay | --paplay-latency MS]
//
// --record-latency 0 records without asking the server for any latency (an idle sink stays as it
// is, rendering seconds ahead); the default, 10 ms, holds the sink at 10 ms. The recorder is
// itself a second client of the sound server, so a long run also shows that repeated plays
// survive one. Run it against a PulseAudio null sink with no other stream playing (its sound
// would hide the onsets): PULSE_SERVER=... Not a test: the figures depend on the machine.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "library/default_library.h"
#include "library/library_file.h"
#include "monitor_recorder.h"
#include "playback/qt/player.h"
#include "sound/sample_bank.h"
#include "sound/usul_renderer.h"

namespace {

using ritmora::bench::MonitorRecorder;

constexpr double kHearWaitMs = 5000.0;

struct Options {
    int runs = 20;
    int slot = 24;
    int bpm = 150;
    bool looped = false;
    bool paplay = false;
    int paplayLatencyMs = 0;  // 0: paplay's own default
    int recordLatencyMs = 10;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--loop") {
            o.looped = true;
        } else if (a == "--paplay") {
            o.paplay = true;
        } else if (a == "--paplay-latency" && hasValue) {
            o.paplay = true;
            o.paplayLatencyMs = std::atoi(argv[++i]);
        } else if (a == "--slot" && hasValue) {
            o.slot = std::atoi(argv[++i]);
        } else if (a == "--bpm" && hasValue) {
            o.bpm = std::atoi(argv[++i]);
        } else if (a == "--record-latency" && hasValue) {
            o.recordLatencyMs = std::atoi(argv[++i]);
        } else if (!a.empty() && a[0] != '-') {
            o.runs = std::max(1, std::atoi(a.c_str()));
        } else {
            return std::nullopt;
        }
    }
    return o;
}

void RunEventsUntil(const std::function<bool()>& done, double timeoutMs, int pollUs = 500) {
    const double deadline = MonitorRecorder::NowMs() + timeoutMs;
    while (!done() && MonitorRecorder::NowMs() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        QThread::usleep(pollUs);
    }
}

void Print(const char* what, std::vector<double> values) {
    if (values.empty()) {
        std::printf("%-12s no values\n", what);
        return;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    const double worst =
        std::abs(values.front()) > std::abs(values.back()) ? values.front() : values.back();
    std::printf("%-12s median %8.1f ms   worst %8.1f ms   (min %.1f, max %.1f)\n", what, median,
                worst, values.front(), values.back());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::optional<Options> parsed = ParseOptions(argc, argv);
    if (!parsed) {
        std::fprintf(stderr,
                     "usage: start_latency_probe [runs] [--slot N] [--bpm B] [--loop] "
                     "[--record-latency MS] [--paplay | --paplay-latency MS]\n");
        return 2;
    }
    const Options options = *parsed;

    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    const std::filesystem::path vlvl = folder / "vlvl";
    const ritmora::SampleBankResult bank = ritmora::WriteSampleBank(vlvl, ritmora::LevelFactors{});
    ritmora::LibraryOpenResult opened =
        ritmora::UsulLibrary::EnsureAndOpen(folder, ritmora::DefaultLibraryBytes());
    ritmora::UsulRecord record;
    if (!dir.isValid() || !bank.ok() || !opened.library ||
        !opened.library->ReadSlot(options.slot, record)) {
        std::fprintf(stderr, "cannot prepare slot %d of the default library\n", options.slot);
        return 1;
    }
    const ritmora::UsulRenderOptions renderOptions{options.bpm, 8, ritmora::Instrument::Kudum,
                                                   options.looped};
    const std::filesystem::path output = vlvl / "Shablon.---";
    const QString outputPath = QString::fromStdString(output.string());

    MonitorRecorder recorder;
    if (!recorder.Start(options.recordLatencyMs)) {
        std::fprintf(stderr, "recorder: %s\n", qPrintable(recorder.Error()));
        return 1;
    }
    // Unasked, parec delivers two-second pieces: the quiet before a run must span a few.
    const double quietMs = options.recordLatencyMs > 0 ? 300.0 : 4500.0;
    const auto playedAtMs = [&](std::int64_t sample, double startMs) {
        return startMs + sample * 1000.0 / MonitorRecorder::kRate;
    };

    // Made before the quiet wait, as the window makes its player long before the first Start.
    ritmora::Player player(options.paplay ? ritmora::Player::Output::Silent
                                          : ritmora::Player::Output::Automatic);
    bool started = false, finished = false;
    double startedAt = 0;
    QObject::connect(&player, &ritmora::Player::started, [&] {
        started = true;
        startedAt = MonitorRecorder::NowMs();
    });
    QObject::connect(&player, &ritmora::Player::finished, [&] { finished = true; });

    std::vector<double> renders, playCalls, startedMs, heardMs, arrivedMs, leads, clickToHeard;
    double audioMs = 0;
    double lastEnd = MonitorRecorder::NowMs();
    int unheard = 0;
    for (int run = 1; run <= options.runs; ++run) {
        // Quiet first: the recording has reached past the end of the last run and its last
        // stretch is silent, so the first sound after it is this run's.
        RunEventsUntil(
            [&] {
                const auto start = recorder.StartOfRecordingMs();
                if (!start) return false;
                const double covered = playedAtMs(recorder.Recorded(), *start);
                return covered >= lastEnd + quietMs &&
                       playedAtMs(recorder.LastLoud(), *start) <= covered - 300.0;
            },
            30000.0, 20000);
        // Then a pause that differs from run to run, so that the clicks fall anywhere in an idle
        // sink's cycle of rendering ahead (two seconds on the null sink), as a user's do.
        RunEventsUntil([] { return false; }, (run * 797) % 2000);
        const double click = MonitorRecorder::NowMs();
        if (!options.paplay || run == 1) {
            const ritmora::UsulRenderResult rendered =
                ritmora::RenderUsul(record, renderOptions, vlvl, output);
            if (!rendered.written) {
                std::fprintf(stderr, "render failed: %s\n", rendered.writeError.c_str());
                return 1;
            }
            audioMs = rendered.schedule.playDurationMs;
        }
        const double renderMs = MonitorRecorder::NowMs() - click;

        started = finished = false;
        QProcess paplay;
        const std::int64_t recordedBefore = recorder.Recorded();
        const double playAt = MonitorRecorder::NowMs();
        if (options.paplay) {
            QStringList arguments{outputPath};
            if (options.paplayLatencyMs > 0) {
                arguments << QString("--latency-msec=%1").arg(options.paplayLatencyMs);
            }
            paplay.start("paplay", arguments);
        } else {
            player.StopClose();
            if (!player.Open(outputPath)) {
                std::fprintf(stderr, "cannot open %s\n", qPrintable(outputPath));
                return 1;
            }
            player.Play(0);
        }
        const double playCallMs = MonitorRecorder::NowMs() - playAt;
        std::optional<std::int64_t> onset;
        RunEventsUntil(
            [&] {
                onset = recorder.FirstLoudFrom(recordedBefore);
                return onset && (started || options.paplay);
            },
            kHearWaitMs);

        std::printf("run %3d  render %7.1f  play call %6.1f", run, renderMs, playCallMs);
        if (!options.paplay && started) {
            std::printf("  started %7.1f", startedAt - playAt);
            startedMs.push_back(startedAt - playAt);
        }
        const std::optional<double> recordingStart = recorder.StartOfRecordingMs();
        if (onset && recordingStart) {
            const double heard = playedAtMs(*onset, *recordingStart);
            const double arrived = recorder.ArrivalMs(*onset).value_or(0.0);
            std::printf("  heard %7.1f (arrived %7.1f)", heard - playAt, arrived - playAt);
            heardMs.push_back(heard - playAt);
            arrivedMs.push_back(arrived - playAt);
            clickToHeard.push_back(heard - click);
            if (!options.paplay && started) {
                std::printf("  lead %+7.1f", startedAt - heard);
                leads.push_back(startedAt - heard);
            }
        } else {
            std::printf("  not heard within %.0f ms", kHearWaitMs);
            ++unheard;
        }
        std::printf("\n");
        std::fflush(stdout);
        renders.push_back(renderMs);
        playCalls.push_back(playCallMs);

        // Alternately to the end and stopped part-way (a looped usul is always stopped).
        if (options.paplay) {
            paplay.waitForFinished(int(audioMs) + 10000);
        } else if (run % 2 == 1 && !options.looped) {
            RunEventsUntil([&] { return finished; }, audioMs + 10000.0);
            player.StopClose();
        } else {
            RunEventsUntil([] { return false; }, (run * 53) % 400);
            player.StopClose();
        }
        lastEnd = MonitorRecorder::NowMs();
    }
    player.StopClose();
    recorder.Stop();

    const std::string who = !options.paplay ? (player.IsSilent() ? "silent player" : "player")
                            : options.paplayLatencyMs > 0
                                ? "paplay --latency-msec=" + std::to_string(options.paplayLatencyMs)
                                : "paplay";
    std::printf(
        "%s, recorder latency %d ms, slot %d at %d BpM%s (%.0f ms of audio), %d runs, "
        "%d not heard%s\n",
        who.c_str(), options.recordLatencyMs, options.slot, options.bpm,
        options.looped ? " looped" : "", audioMs, options.runs, unheard,
        ritmora::Player::HasAudioOutput() ? "" : " (no audio output found)");
    Print("render:", renders);
    Print("play call:", playCalls);
    if (!options.paplay) Print("started:", startedMs);
    Print("heard:", heardMs);
    Print("arrived:", arrivedMs);
    if (!options.paplay) Print("lead:", leads);
    Print("click-heard:", clickToHeard);
    return unheard == 0 ? 0 : 1;
}
