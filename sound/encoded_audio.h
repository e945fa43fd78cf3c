#pragma once
// Converting a rendered WAV file into an audio file of another format (libsndfile for FLAC,
// Ogg Vorbis, Opus and MP3; a byte copy for WAV), streaming in small blocks so that memory stays
// bounded however long the rendering is. The target is replaced whole through the program's safe
// writer: a failed or cancelled conversion leaves the previous file as it was.
#include <atomic>
#include <filesystem>
#include <functional>
#include <string>

#include "sound/audio_format.h"

namespace ritmora {

enum class AudioExportFault {
    None,
    UnknownExtension,  // the file's extension names no format we write
    CannotCreate,      // the folder is missing or cannot be written
    WriteFailed,       // writing or renaming failed part-way (a full disk, a lost device)
    EncoderFailed,     // the encoder refused the samples or its settings
    SourceUnreadable,  // the rendered WAV file could not be read back
    NothingRendered,   // the renderer wrote nothing (its own message says why)
    Cancelled,
};

// How a long conversion talks to whoever waits for it, typically a window running it on a
// worker thread: `report` gets the fraction done (0 to 1, from the converting thread) and a set
// `cancel` flag stops the conversion at the next block.
struct AudioProgress {
    std::function<void(double fraction)> report;
    const std::atomic<bool>* cancel = nullptr;

    bool Cancelled() const { return cancel != nullptr && cancel->load(); }
    void Report(double fraction) const {
        if (report) report(fraction);
    }
};

struct AudioWriteOutcome {
    AudioExportFault fault = AudioExportFault::None;
    std::string detail;  // the technical reason, for logs and the command line

    bool ok() const { return fault == AudioExportFault::None; }
};

// Writes the samples of `wavFile` (44 100 Hz, 16-bit, mono, as the renderers write it) to
// `target` in `format`. WAV copies the file byte for byte; FLAC keeps every sample; the lossy
// formats keep the length and the loudness.
AudioWriteOutcome EncodeWavFile(const std::filesystem::path& wavFile,
                                const std::filesystem::path& target, AudioFormat format,
                                const AudioProgress& progress = {});

}  // namespace ritmora
