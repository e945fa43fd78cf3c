#pragma once
// The audio formats an exported rendering can be saved in, chosen by the file's extension.
#include <filesystem>
#include <optional>
#include <string>

#include "app/texts.h"

namespace ritmora {

enum class AudioFormat {
    Wav,        // our own WAV writer: the rendered bytes exactly
    Flac,       // lossless: decodes to the identical samples
    OggVorbis,  // lossy
    Opus,       // lossy; Opus only runs at 48 000 Hz, so the samples are resampled
    Mp3,        // lossy
};

// ".---" and ".wav" are WAV, ".flac" FLAC, ".ogg" and ".oga" Ogg Vorbis, ".opus" Opus, ".mp3"
// MP3, letter case ignored. Anything else, a missing extension included, is no format.
std::optional<AudioFormat> AudioFormatForPath(const std::filesystem::path& file);

// The extension a file dialog appends when the user typed none: ".wav", ".flac", ...
const char* AudioFormatExtension(AudioFormat format);

// The filter list of a file dialog: all supported formats first, then one entry per format.
std::string AudioFileDialogFilter(Language language);

}  // namespace ritmora
