#pragma once
// Saving what the player would play as an audio file the user keeps: the renderer writes its WAV
// file into a scratch file of the data folder, which is then converted into the chosen format
// and removed. The same samples whatever the format; a failure or a cancel leaves the target as
// it was.
#include <filesystem>
#include <functional>

#include "sound/encoded_audio.h"

namespace ritmora {

// Renders into the WAV file it is given (e.g. RenderUsul or RenderPlan with that file as their
// output) and says whether it wrote it; the caller keeps the renderer's result for its messages.
using RenderIntoWav = std::function<bool(const std::filesystem::path& wavFile)>;

// Chooses the format by `target`'s extension (UnknownExtension before anything is rendered),
// renders through `render` into a unique scratch file in `scratchFolder` (the vlvl folder: its
// ".---" name is swept with the other rendered files should the program be killed), converts it
// into `target` reporting progress, and removes the scratch file. The renderer itself cannot be
// interrupted; a cancel is seen before and after it and between conversion blocks.
AudioWriteOutcome ExportAudio(const std::filesystem::path& target,
                              const std::filesystem::path& scratchFolder,
                              const RenderIntoWav& render, const AudioProgress& progress = {});

}  // namespace ritmora
