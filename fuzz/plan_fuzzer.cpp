// Work plans: any bytes as a plan file are read, checked as the save button checks them, saved
// and read back, and, when their audio is short, rendered over the default library.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "library/cp1254.h"
#include "library/default_library.h"
#include "library/library_file.h"
#include "plans/plan_check.h"
#include "plans/plan_file.h"
#include "plans/plan_syntax.h"
#include "sound/plan_renderer.h"
#include "sound/sample_bank.h"

using namespace ritmora;
using ritmora::fuzz::Require;

namespace {

struct Folder {
    fuzz::ScratchFolder scratch;
    std::unique_ptr<UsulLibrary> library;
    std::filesystem::path vlvl = scratch.path() / "vlvl";

    Folder() {
        library = UsulLibrary::EnsureAndOpen(scratch.path(), DefaultLibraryBytes()).library;
        Require(library != nullptr, "the default library opens");
        fuzz::WriteShortSampleBank(vlvl);
    }
};

bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

void CheckSaving(Folder& folder, const std::string& text) {
    const PlanCheckResult check = ValidatePlan(text, "Fuzz", *folder.library);
    if (check.messageIndex != 0) return;
    for (const std::string& line : SplitLines(check.normalisedText)) {
        Require(Utf8Length(line) == kPlanLineWidth, "a saved line is 43 characters wide");
    }
    const PlanCheckResult again = ValidatePlan(check.normalisedText, "Fuzz", *folder.library);
    Require(again.messageIndex == 0, "a saved plan passes the check again");
    Require(again.normalisedText == check.normalisedText, "and is saved the same again");
    Require(WritePlanFile(folder.vlvl, check, nullptr), "a valid plan is written");
    // Other letters may come back in the other encoding (the reader guesses it).
    if (IsAscii(check.normalisedText)) {
        Require(ReadPlanFileText(folder.vlvl / check.fileName) == check.normalisedText,
                "a saved plan reads back as saved");
    }
    const PlanReadResult read = ReadPlanForRendering(check.normalisedText, *folder.library);
    Require(read.messageIndex == 0 && read.passages.size() == check.passageNames.size(),
            "a saved plan renders one passage per line");
}

void CheckRendering(Folder& folder, const std::string& text, Instrument instrument) {
    const PlanReadResult read = ReadPlanForRendering(text, *folder.library);
    if (read.messageIndex != 0) return;
    const RenderEstimate estimate = ExpectedPlanLength(read.passages, *folder.library);
    if (estimate.ok() && estimate.samples > fuzz::kMaxRenderedSamples) return;
    const auto output = folder.vlvl / "Eser.---";
    std::filesystem::remove(output);
    const PlanRenderResult result =
        RenderPlan(read.passages, *folder.library, instrument, folder.vlvl, output);
    if (!estimate.ok()) {
        Require(result.messageIndex == estimate.messageIndex && !result.written,
                "a refused plan is refused before anything is written");
        Require(!std::filesystem::exists(output), "and leaves no file");
        return;
    }
    Require(result.messageIndex == 0 && result.written, "a short plan renders");
    Require(std::filesystem::file_size(output) ==
                kWavHeaderSize + 2 * static_cast<std::uint64_t>(estimate.samples),
            "the rendering is as long as estimated");
    Require(result.passageEndMs.size() == read.passages.size(), "every passage has its end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Folder folder;
    const auto planFile = folder.scratch.path() / "plan.txt";
    fuzz::WriteFile(planFile, {data, size});
    const std::optional<std::string> text = TryReadPlanFileText(planFile);
    Require(text.has_value(), "a plan file reads");

    // The editor's text box may hold anything the user typed, not only what a file gives.
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    ValidatePlan(raw, raw, *folder.library);
    CheckSaving(folder, *text);
    CheckRendering(folder, *text, static_cast<Instrument>(size % 3));
    return 0;
}
