#include "sound/audio_export.h"

#include <cstdio>
#include <random>
#include <system_error>

namespace ritmora {
namespace {

constexpr int kScratchAttempts = 16;

// Creates an empty file under a fresh name that no one else holds (created exclusively, so two
// exports never share one) and returns its path, or an empty path.
std::filesystem::path CreateScratchFile(const std::filesystem::path& folder) {
    std::random_device device;
    for (int attempt = 0; attempt < kScratchAttempts; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof(name), "~Kayit-%08x.---", static_cast<unsigned>(device()));
        const std::filesystem::path path = folder / name;
        // "x": fail when the name exists, never open an existing file or follow a link there.
#ifdef _WIN32
        std::FILE* file = _wfopen(path.c_str(), L"wbx");
#else
        std::FILE* file = std::fopen(path.c_str(), "wbx");
#endif
        if (file != nullptr) {
            std::fclose(file);
            return path;
        }
    }
    return {};
}

}  // namespace

AudioWriteOutcome ExportAudio(const std::filesystem::path& target,
                              const std::filesystem::path& scratchFolder,
                              const RenderIntoWav& render, const AudioProgress& progress) {
    const std::optional<AudioFormat> format = AudioFormatForPath(target);
    if (!format) return {AudioExportFault::UnknownExtension, target.extension().string()};
    if (progress.Cancelled()) return {AudioExportFault::Cancelled, {}};

    std::error_code error;
    std::filesystem::create_directories(scratchFolder, error);
    const std::filesystem::path scratch = CreateScratchFile(scratchFolder);
    if (scratch.empty()) {
        return {AudioExportFault::CannotCreate, "no scratch file in " + scratchFolder.string()};
    }
    AudioWriteOutcome outcome;
    if (!render(scratch)) {
        outcome = {AudioExportFault::NothingRendered, {}};
    } else if (progress.Cancelled()) {
        outcome = {AudioExportFault::Cancelled, {}};
    } else {
        outcome = EncodeWavFile(scratch, target, *format, progress);
    }
    std::filesystem::remove(scratch, error);
    return outcome;
}

}  // namespace ritmora
