// Speed and memory of the sound engine.
//   BM_RenderLoopedUsul: a five-minute looped Shablon.--- (Türk aksağı 5/8 at 250, unit 8),
//     beside BM_PlainWrite, one buffered write of the same number of bytes to the same disk.
//   BM_RenderPlan: a 30-minute plan of 20 passages with tempo ramps ("x_real_time" = audio
//     seconds per second of rendering).
//   BM_RenderLongestCycle: one usul cycle of 1 h 55 min (every cell 255 sixty-fourths at 100 BpM
//     to the sixteenth), just inside the two-hour limit: memory stays a few chunks of audio.
//   BM_RefuseOverlong: how long it takes to refuse a plan line asking for days of audio (32767
//     repetitions of a ramp whose rounded step is 0) and a cycle of ten hours.
//   Peak memory: every heap allocation is counted; "peak_MB" is the most heap a rendering held
//     at once beyond what was live when it started, next to the size of the file it wrote.
#include <benchmark/benchmark.h>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <new>
#include <random>
#include <vector>

#include "bench/heap_counter.h"
#include "library/library_file.h"
#include "library/usul_record.h"
#include "sound/plan_renderer.h"
#include "sound/sample_bank.h"
#include "sound/usul_renderer.h"

namespace {

using namespace ritmora;
namespace fs = std::filesystem;

struct Folder {
    Folder() {
        std::random_device device;
        std::string name = "ritmora_bench_";
        name += std::to_string(device());
        path = fs::temp_directory_path() / name;
        fs::create_directories(path);
        if (!WriteSampleBank(path, LevelFactors{}).ok()) std::abort();
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

Folder& BenchFolder() {
    static Folder folder;
    return folder;
}

// The most heap bytes `work` holds at once beyond what was live when it started.
std::size_t PeakHeapBytes(const std::function<void()>& work) {
    const std::size_t before = liveBytes.load();
    peakBytes = before;
    work();
    return peakBytes.load() - before;
}

// Türk aksağı 5/8: Düm 16 (loud), Tek 16 (medium), Tek 8 (soft).
UsulRecord TurkAksagi() {
    UsulRecord usul = EmptySlotRecord();
    usul.Cell(1).rightDuration = 16;
    usul.Cell(1).loudness = 3;
    usul.Cell(2).leftDuration = 16;
    usul.Cell(2).loudness = 2;
    usul.Cell(3).leftDuration = 8;
    usul.Cell(3).loudness = 1;
    usul.beats = 5;
    usul.mertebe = 8;
    usul.totalDuration = 40;
    return usul;
}

void BM_RenderLoopedUsul(benchmark::State& state) {
    const fs::path& vlvl = BenchFolder().path;
    const UsulRecord usul = TurkAksagi();
    const UsulRenderOptions options{250, 8, Instrument::Kudum, true};
    for (auto _ : state) {
        const UsulRenderResult result = RenderUsul(usul, options, vlvl, vlvl / "Shablon.---");
        if (!result.written) state.SkipWithError(result.writeError.c_str());
    }
    const double bytes = static_cast<double>(fs::file_size(vlvl / "Shablon.---"));
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
    const auto peak = static_cast<double>(
        PeakHeapBytes([&] { RenderUsul(usul, options, vlvl, vlvl / "Shablon.---"); }));
    state.counters["file_MB"] = bytes / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_file"] = peak / bytes;
}
BENCHMARK(BM_RenderLoopedUsul)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainWrite(benchmark::State& state) {
    const fs::path& vlvl = BenchFolder().path;
    // The same byte count as the looped rendering above: 250 cycles of 52920 samples.
    const std::size_t bytes = 44 + std::size_t{52920} * 250 * 2;
    const std::vector<char> buffer(bytes, 1);
    for (auto _ : state) {
        std::ofstream out(vlvl / "Plain.---", std::ios::binary | std::ios::trunc);
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        out.close();
        if (!out) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// 20 passages of about 90 seconds each over three usuls, most with a tempo ramp.
struct PlanSetup {
    PlanSetup() : vlvl(BenchFolder().path) {
        const RecordBytes empty = EncodeUsulRecord(EmptySlotRecord());
        std::vector<std::uint8_t> bytes;
        for (int i = 0; i < kRecordCount; ++i)
            bytes.insert(bytes.end(), empty.begin(), empty.end());
        fs::create_directories(vlvl / "lib");
        library = UsulLibrary::EnsureAndOpen(vlvl / "lib", bytes).library;
        if (!library) std::abort();

        UsulRecord semai = EmptySlotRecord();  // 6/8
        const int semaiDurations[] = {8, 8, 8, 8, 16};
        for (int i = 0; i < 5; ++i) {
            semai.Cell(i + 1).rightDuration = static_cast<std::uint8_t>(semaiDurations[i]);
            semai.Cell(i + 1).loudness = static_cast<std::uint8_t>(3 - i % 3);
        }
        semai.totalDuration = 48;
        UsulRecord long_ = EmptySlotRecord();  // 60 eighth notes, hands alternating
        for (int i = 1; i <= 60; ++i) {
            (i % 2 ? long_.Cell(i).rightDuration : long_.Cell(i).leftDuration) = 8;
            long_.Cell(i).loudness = static_cast<std::uint8_t>(i % 4);
        }
        long_.totalDuration = 480;
        library->WriteSlot(201, TurkAksagi());
        library->WriteSlot(202, semai);
        library->WriteSlot(203, long_);
        const int slots[] = {201, 202, 203};
        const int units[] = {40, 48, 480};

        for (int j = 0; j < 20; ++j) {
            PassageSpec passage;
            passage.name = std::to_string(j + 1);
            passage.usulSlot = slots[j % 3];
            passage.endBeat = 180;
            passage.unit = 8;
            passage.introBpm = 60 + 4 * j;
            passage.finalBpm = j % 4 == 3 ? passage.introBpm : passage.introBpm + 30;
            const double meanBpm = (passage.introBpm + passage.finalBpm) / 2.0;
            const double cycleSeconds = 60.0 / meanBpm * 8 / 64 * units[j % 3];
            passage.repeats = std::max(1, static_cast<int>(std::lround(90.0 / cycleSeconds)));
            passages.push_back(passage);
        }
    }
    fs::path vlvl;
    std::unique_ptr<UsulLibrary> library;
    std::vector<PassageSpec> passages;
};

PlanSetup& Plan() {
    static PlanSetup setup;
    return setup;
}

void BM_RenderPlan(benchmark::State& state) {
    PlanSetup& setup = Plan();
    double audioSeconds = 0;
    double wallSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const PlanRenderResult result = RenderPlan(
            setup.passages, *setup.library, Instrument::Kudum, setup.vlvl, setup.vlvl / "Eser.---");
        wallSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!result.written) state.SkipWithError(result.writeError.c_str());
        audioSeconds += result.playDurationMs / 1000.0;
    }
    state.counters["audio_min"] = audioSeconds / state.iterations() / 60.0;
    state.counters["x_real_time"] = audioSeconds / wallSeconds;

    // The largest single passage rendering, for comparison with the peak.
    std::size_t largest = 0;
    CachingStrokeReader reader;
    std::vector<std::string> notices;
    for (const PassageSpec& passage : setup.passages) {
        UsulRecord usul;
        setup.library->ReadSlot(passage.usulSlot, usul);
        const int lowest = std::min(passage.introBpm, passage.finalBpm);
        largest =
            std::max(largest, RenderPassageOnce(usul, 1, 180, passage.unit, lowest, lowest,
                                                Instrument::Kudum, setup.vlvl, reader, notices)
                                  .size());
    }
    const auto peak = static_cast<double>(PeakHeapBytes([&] {
        RenderPlan(setup.passages, *setup.library, Instrument::Kudum, setup.vlvl,
                   setup.vlvl / "Eser.---");
    }));
    const double fileBytes = static_cast<double>(fs::file_size(setup.vlvl / "Eser.---"));
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["largest_passage_MB"] = static_cast<double>(largest) * 2 / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
}
BENCHMARK(BM_RenderPlan)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

UsulRecord EveryCellLongest() {
    UsulRecord usul = EmptySlotRecord();
    for (int i = 1; i <= kCellCount; ++i) {
        usul.Cell(i).rightDuration = 255;
        usul.Cell(i).loudness = static_cast<std::uint8_t>(i % 4);
    }
    return usul;
}

void BM_RenderLongestCycle(benchmark::State& state) {
    const fs::path& vlvl = BenchFolder().path;
    const UsulRecord usul = EveryCellLongest();
    const UsulRenderOptions options{100, 16, Instrument::Kudum, false};
    double audioSeconds = 0;
    double wallSeconds = 0;
    std::size_t peak = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        peak = PeakHeapBytes([&] {
            const UsulRenderResult result = RenderUsul(usul, options, vlvl, vlvl / "Shablon.---");
            if (!result.written) state.SkipWithError(result.writeError.c_str());
            audioSeconds += result.schedule.playDurationMs / 1000.0;
        });
        wallSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double fileBytes = static_cast<double>(fs::file_size(vlvl / "Shablon.---"));
    fs::remove(vlvl / "Shablon.---");
    state.counters["audio_min"] = audioSeconds / state.iterations() / 60.0;
    state.counters["x_real_time"] = audioSeconds / wallSeconds;
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
}
BENCHMARK(BM_RenderLongestCycle)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_RefuseOverlong(benchmark::State& state) {
    PlanSetup& setup = Plan();
    PassageSpec typo;
    typo.usulSlot = 203;
    typo.endBeat = 180;
    typo.repeats = 32767;
    typo.unit = 16;
    typo.introBpm = 20;
    typo.finalBpm = 208;
    const UsulRecord longest = EveryCellLongest();
    const UsulRenderOptions slowest{20, 16, Instrument::Kudum, false};
    for (auto _ : state) {
        if (ExpectedPlanLength({typo}, *setup.library).ok() ||
            ExpectedUsulLength(longest, slowest).ok()) {
            state.SkipWithError("not refused");
        }
    }
}
BENCHMARK(BM_RefuseOverlong)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
