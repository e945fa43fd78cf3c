#pragma once
// Rendered WAV files go through the core's one safe writer.
#include <string>

#include "library/replacing_file.h"

namespace ritmora {

// Commits a rendered WAV file (header included). On success sets `written` and the playing time
// in milliseconds that the file's samples last. On failure keeps the reason and leaves whatever
// the target held before untouched; `written` stays false, so the caller never plays it.
struct RenderedWavCommit {
    bool written = false;
    double playDurationMs = 0;
    std::string error;
};
RenderedWavCommit CommitRenderedWav(ReplacingFile& out);

}  // namespace ritmora
