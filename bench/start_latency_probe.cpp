// Measures the wait between pressing Start and hearing the usul: renders slot 12 of the default
// library (5/8) looped to five minutes, then closes the player, opens the new file and plays it,
// and stops the stopwatch when the player reports started(). The rendering alone is timed too,
// since it is most of the wait.
//
//   start_latency_probe [runs=10]
//
// Run it against a sound server (PULSE_SERVER=... for a PulseAudio null sink); RITMORA_AUDIO=silent
// uses the clock that stands in when there is none. Not a test: the figures depend on the machine.
#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "library/default_library.h"
#include "library/library_file.h"
#include "playback/qt/player.h"
#include "sound/sample_bank.h"
#include "sound/usul_renderer.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

void Print(const char* what, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    std::printf("%-28s median %8.2f ms   max %8.2f ms\n", what, median, values.back());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    const std::filesystem::path folder = dir.path().toStdString();
    const std::filesystem::path vlvl = folder / "vlvl";
    const ritmora::SampleBankResult bank = ritmora::WriteSampleBank(vlvl, ritmora::LevelFactors{});
    if (!bank.ok()) {
        std::fprintf(stderr, "sample bank: %s\n", bank.detail.c_str());
        return 1;
    }
    ritmora::LibraryOpenResult opened =
        ritmora::UsulLibrary::EnsureAndOpen(folder, ritmora::DefaultLibraryBytes());
    ritmora::UsulRecord record;
    if (!opened.library || !opened.library->ReadSlot(12, record)) {
        std::fprintf(stderr, "cannot read slot 12 of the default library\n");
        return 1;
    }

    const ritmora::UsulRenderOptions options{250, 8, ritmora::Instrument::Kudum, true};
    const std::filesystem::path output = vlvl / "Shablon.---";
    const QString outputPath = QString::fromStdString(output.string());

    ritmora::Player player;
    std::vector<double> renders, starts, totals;
    bool silent = false;
    int cycles = 0;
    double audioMs = 0;
    std::uintmax_t fileBytes = 0;
    for (int run = 1; run <= runs; ++run) {
        const Clock::time_point click = Clock::now();
        const ritmora::UsulRenderResult rendered =
            ritmora::RenderUsul(record, options, vlvl, output);
        const double renderMs = MsSince(click);
        if (!rendered.written) {
            std::fprintf(stderr, "render failed: %s\n", rendered.writeError.c_str());
            return 1;
        }

        const Clock::time_point openAt = Clock::now();
        QEventLoop wait;
        bool started = false;
        double totalMs = 0;
        const QMetaObject::Connection connection =
            QObject::connect(&player, &ritmora::Player::started, &wait, [&] {
                totalMs = MsSince(click);
                started = true;
                wait.quit();
            });
        player.StopClose();
        if (!player.Open(outputPath)) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(outputPath));
            return 1;
        }
        player.Play(0);
        // started() may come from within Play() itself (the silent clock).
        if (!started) {
            QTimer::singleShot(5000, &wait, &QEventLoop::quit);
            wait.exec();
        }
        QObject::disconnect(connection);
        if (!started) {
            std::fprintf(stderr, "run %d: no started() within 5 s\n", run);
            return 1;
        }
        const double startMs =
            totalMs - std::chrono::duration<double, std::milli>(openAt - click).count();
        silent = player.IsSilent();
        cycles = rendered.figures.cycles;
        audioMs = rendered.schedule.playDurationMs;
        fileBytes = std::filesystem::file_size(output);
        renders.push_back(renderMs);
        starts.push_back(startMs);
        totals.push_back(totalMs);
        std::printf(
            "run %2d  render+write %8.2f ms  open+play to started %8.2f ms  "
            "click to sounding %8.2f ms\n",
            run, renderMs, startMs, totalMs);
    }
    player.StopClose();

    std::printf("%s output, %d runs, %d cycles, %.0f ms of audio, %ju bytes%s\n",
                silent ? "silent" : "sound-server", runs, cycles, audioMs, fileBytes,
                ritmora::Player::HasAudioOutput() ? "" : " (no audio output found)");
    Print("render+write:", renders);
    Print("open+play to started:", starts);
    Print("click to sounding:", totals);
    return 0;
}
