// Rendering any stored record, as the editor's start button does, at any metronome value: a
// refusal writes nothing, and a rendering holds exactly the estimated samples and one marker
// step per stroke.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "library/usul_record.h"
#include "sound/sample_bank.h"
#include "sound/usul_renderer.h"

using namespace ritmora;
using ritmora::fuzz::Require;

namespace {

struct Folder {
    fuzz::ScratchFolder scratch;
    std::filesystem::path vlvl = scratch.path() / "vlvl";
    Folder() { fuzz::WriteShortSampleBank(vlvl); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder folder;
    FuzzedDataProvider input(data, size);
    RecordBytes bytes{};
    const std::vector<std::uint8_t> stored = input.ConsumeBytes<std::uint8_t>(kRecordSize);
    std::copy(stored.begin(), stored.end(), bytes.begin());
    const UsulRecord usul = DecodeUsulRecord(bytes);

    UsulRenderOptions options;
    options.bpm = input.ConsumeIntegralInRange(-1, 400);
    options.unitNote = input.PickValueInArray({4, 8, 16});
    options.instrument = static_cast<Instrument>(input.ConsumeIntegralInRange(0, 2));
    options.looped = input.ConsumeBool();

    const RenderEstimate estimate = ExpectedUsulLength(usul, options);
    if (estimate.ok() && estimate.samples > fuzz::kMaxRenderedSamples) return 0;
    const auto output = folder.vlvl / "Shablon.---";
    std::filesystem::remove(output);
    const UsulRenderResult result = RenderUsul(usul, options, folder.vlvl, output);
    if (!estimate.ok()) {
        Require(result.messageIndex == estimate.messageIndex && !result.written,
                "a refused usul is refused before anything is written");
        Require(!std::filesystem::exists(output), "and leaves no file");
        return 0;
    }
    Require(result.messageIndex == 0 && result.written, "a short usul renders");
    Require(std::filesystem::file_size(output) ==
                kWavHeaderSize + 2 * static_cast<std::uint64_t>(estimate.samples),
            "the rendering is as long as estimated");
    const auto strokes = static_cast<std::size_t>(std::count_if(
        usul.cells.begin(), usul.cells.end(), [](const StrokeCell& c) { return !c.IsEmpty(); }));
    Require(result.schedule.strokeEndMs.size() ==
                strokes * static_cast<std::size_t>(result.figures.cycles),
            "one marker step per stroke");
    return 0;
}
