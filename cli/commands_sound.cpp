// render-usul and render-plan: what the window's start buttons write, without playing it.
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>

#include "cli/cli_context.h"
#include "cli/terminal_text.h"
#include "plans/plan_file.h"
#include "plans/plan_messages.h"
#include "sound/audio_export.h"
#include "sound/audio_export_texts.h"
#include "sound/plan_renderer.h"
#include "sound/sample_bank.h"
#include "sound/usul_renderer.h"

namespace ritmora::cli {

namespace {

constexpr int kMinBpm = 20;
constexpr int kMaxBpm = 250;

std::optional<Instrument> ParseInstrument(const std::string& text) {
    if (text == "kudum") return Instrument::Kudum;
    if (text == "bendir") return Instrument::Bendir;
    if (text == "def") return Instrument::Def;
    return std::nullopt;
}

// A loudness level as a fraction, 0.2 to 0.9 like the menu's 20 % to 90 %.
std::optional<float> ParseLevel(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!(value >= 0.2 - 1e-9 && value <= 0.9 + 1e-9)) return std::nullopt;
    return static_cast<float>(value);
}

// Writes the sample bank as start-up does; prints the failure and returns false.
bool WriteBank(const Context& context, const std::filesystem::path& vlvl, LevelFactors factors) {
    const SampleBankResult bank = WriteSampleBank(vlvl, factors);
    for (const std::string& notice : bank.notices) context.err << notice << "\n";
    if (!bank.ok()) {
        context.err << MessageText(context.language, bank.messageIndex) << " ("
                    << ForTerminal(bank.detail) << ")\n";
        return false;
    }
    return true;
}

// A rendering refused or stopped: the window's message, with the passage that caused it.
int PrintRefusal(const Context& context, int messageIndex, int failedPassage) {
    context.err << MessageText(context.language, messageIndex);
    if (failedPassage != 0) context.err << " (passage " << failedPassage << ")";
    context.err << "\n";
    return kExitFailure;
}

void PrintNotices(const Context& context, const std::vector<std::string>& notices) {
    for (const std::string& notice : notices) context.err << notice << "\n";
}

// --out picks the format by its extension; one that names none is refused before any work.
bool KnownAudioFormat(const Context& context, const std::optional<std::filesystem::path>& out) {
    if (!out || AudioFormatForPath(*out)) return true;
    context.err << "ritmora-cli: "
                << ForTerminal(AudioExportFaultMessage(
                       context.language, AudioExportFault::UnknownExtension, out->string()))
                << "\n";
    return false;
}

// WAV is rendered straight into `file`, as always; other formats are converted from a scratch
// rendering. Prints a conversion failure and returns false; the renderer's own failures are
// left to the caller, which `render` keeps them for.
bool RenderIntoFile(const Context& context, const std::filesystem::path& vlvl,
                    const std::filesystem::path& file, const RenderIntoWav& render) {
    if (AudioFormatForPath(file) == AudioFormat::Wav) {
        render(file);
        return true;
    }
    const AudioWriteOutcome saved = ExportAudio(file, vlvl, render);
    if (saved.ok() || saved.fault == AudioExportFault::NothingRendered) return true;
    context.err << "ritmora-cli: "
                << ForTerminal(
                       AudioExportFaultMessage(context.language, saved.fault, file.string()))
                << " (" << ForTerminal(saved.detail) << ")\n";
    return false;
}

}  // namespace

int RunRenderUsul(const Context& context, const std::vector<std::string>& args) {
    constexpr const char* kUsage =
        "usage: render-usul SLOT [--bpm B] [--unit 4|8|16] [--instrument kudum|bendir|def] "
        "[--loop] [--medium F] [--soft F] [--out FILE]";
    std::optional<int> slot;
    UsulRenderOptions options;
    LevelFactors factors;
    std::optional<std::filesystem::path> out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "--loop") {
            options.looped = true;
        } else if (word == "--bpm" && hasValue) {
            if (!ParseInt(args[++i], options.bpm) || options.bpm < kMinBpm ||
                options.bpm > kMaxBpm) {
                return UsageError(context, "--bpm takes a whole number from 20 to 250");
            }
        } else if (word == "--unit" && hasValue) {
            if (!ParseInt(args[++i], options.unitNote) ||
                (options.unitNote != 4 && options.unitNote != 8 && options.unitNote != 16)) {
                return UsageError(context, "--unit takes 4, 8 or 16");
            }
        } else if (word == "--instrument" && hasValue) {
            const auto instrument = ParseInstrument(args[++i]);
            if (!instrument) return UsageError(context, "--instrument takes kudum, bendir or def");
            options.instrument = *instrument;
        } else if ((word == "--medium" || word == "--soft") && hasValue) {
            const auto level = ParseLevel(args[++i]);
            if (!level) return UsageError(context, word + " takes a fraction from 0.2 to 0.9");
            (word == "--medium" ? factors.medium : factors.soft) = *level;
        } else if (word == "--out" && hasValue) {
            out = PathFromUtf8(args[++i]);
        } else if (!slot && !word.starts_with("--")) {
            int value = 0;
            if (!ParseInt(word, value) || value < 1 || value > kSlotCount) {
                return UsageError(context, "render-usul: SLOT is a library slot from 1 to 255");
            }
            slot = value;
        } else {
            return UsageError(context, "render-usul: unexpected '" + word + "'; " + kUsage);
        }
    }
    if (!slot) return UsageError(context, kUsage);
    if (!KnownAudioFormat(context, out)) return kExitUsage;

    auto library = OpenLibrary(context);
    if (!library) return kExitFailure;
    UsulRecord usul;
    if (!library->ReadSlot(*slot, usul)) {
        context.err << "ritmora-cli: cannot read slot " << *slot << " of "
                    << ForTerminal(library->Path()) << "\n";
        return kExitFailure;
    }
    // A rendering that cannot be made is refused before anything is written, the bank included.
    if (const RenderEstimate length = ExpectedUsulLength(usul, options); !length.ok()) {
        return PrintRefusal(context, length.messageIndex, 0);
    }
    const std::filesystem::path vlvl = context.dataFolder / "vlvl";
    if (!WriteBank(context, vlvl, factors)) return kExitFailure;
    const std::filesystem::path file = out ? *out : vlvl / "Shablon.---";
    UsulRenderResult result;
    const bool saved = RenderIntoFile(context, vlvl, file, [&](const std::filesystem::path& wav) {
        result = RenderUsul(usul, options, vlvl, wav);
        return result.written;
    });
    PrintNotices(context, result.notices);
    if (!saved) return kExitFailure;
    if (result.messageIndex != 0) return PrintRefusal(context, result.messageIndex, 0);
    if (!result.written) {
        context.err << "ritmora-cli: " << ForTerminal(result.writeError) << "\n";
        return kExitFailure;
    }
    context.out << "strokes scheduled: " << result.schedule.strokeCount << "\n"
                << "cycle: " << result.schedule.cycleMs << " ms"
                << (result.figures.cycles > 1
                        ? " x " + std::to_string(result.figures.cycles) + " cycles"
                        : std::string())
                << "\n"
                << "samples: " << result.figures.cycleSamples * result.figures.cycles << "\n"
                << "file: " << ForTerminal(file) << "\n";
    return kExitOk;
}

int RunRenderPlan(const Context& context, const std::vector<std::string>& args) {
    constexpr const char* kUsage =
        "usage: render-plan FILE [--instrument kudum|bendir|def] [--out FILE]";
    std::optional<std::string> planFile;
    Instrument instrument = Instrument::Kudum;
    std::optional<std::filesystem::path> out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "--instrument" && hasValue) {
            const auto parsed = ParseInstrument(args[++i]);
            if (!parsed) return UsageError(context, "--instrument takes kudum, bendir or def");
            instrument = *parsed;
        } else if (word == "--out" && hasValue) {
            out = PathFromUtf8(args[++i]);
        } else if (!planFile && !word.starts_with("--")) {
            planFile = word;
        } else {
            return UsageError(context, "render-plan: unexpected '" + word + "'; " + kUsage);
        }
    }
    if (!planFile) return UsageError(context, kUsage);
    if (!KnownAudioFormat(context, out)) return kExitUsage;

    const std::filesystem::path vlvl = context.dataFolder / "vlvl";
    // A plan saved by the window lives in vlvl: a bare name is looked for there too.
    std::filesystem::path path = PathFromUtf8(*planFile);
    std::error_code error;
    if (!std::filesystem::exists(path, error) && path.is_relative() &&
        std::filesystem::exists(vlvl / path, error)) {
        path = vlvl / path;
    }
    const PlanFileText text = ReadPlanFile(path);
    if (!text.ok()) return PlanReadFailure(context, text);
    auto library = OpenLibrary(context);
    if (!library) return kExitFailure;
    const PlanReadResult plan = ReadPlanForRendering(text.text, *library);
    if (plan.messageIndex != 0) {
        context.err << PlanCheckMessage(context.language, plan.messageIndex, plan.line) << "\n";
        return kExitFailure;
    }
    if (const RenderEstimate length = ExpectedPlanLength(plan.passages, *library); !length.ok()) {
        return PrintRefusal(context, length.messageIndex, length.failedPassage);
    }
    if (!WriteBank(context, vlvl, LevelFactors{})) return kExitFailure;
    const std::filesystem::path file = out ? *out : vlvl / "Eser.---";
    PlanRenderResult result;
    const bool saved = RenderIntoFile(context, vlvl, file, [&](const std::filesystem::path& wav) {
        result = RenderPlan(plan.passages, *library, instrument, vlvl, wav);
        return result.written;
    });
    PrintNotices(context, result.notices);
    if (!saved) return kExitFailure;
    if (result.messageIndex != 0) {
        return PrintRefusal(context, result.messageIndex, result.failedPassage);
    }
    if (!result.written) {
        context.err << "ritmora-cli: " << ForTerminal(result.writeError) << "\n";
        return kExitFailure;
    }
    for (std::size_t j = 0; j < plan.passages.size(); ++j) {
        context.out << (j + 1) << " " << ForTerminal(plan.passages[j].name) << " "
                    << result.passageEndMs[j] << "\n";
    }
    return kExitOk;
}

}  // namespace ritmora::cli
