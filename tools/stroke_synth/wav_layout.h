// The exact bytes of a stroke file: 44 100 Hz, 16-bit, mono PCM, little-endian, in one of the two
// layouts the sample bank's reader must handle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/stroke_synth/stroke_recipe.h"

namespace ritmora::strokes {

// Canonical: "data" at byte offset 36, samples from 44.
// WithSamplerChunk: "fmt " (24 bytes), "smpl" (44 bytes), "data" at offset 80, samples from 88,
// then two zero bytes after the data, counted in the RIFF size but not in the data size.
std::vector<std::uint8_t> encode_wav(const std::vector<std::int16_t>& samples, FileLayout layout,
                                     int midi_unity_note);

// Checks a file's bytes against the layout; returns an empty string or what is wrong.
std::string check_wav(const std::vector<std::uint8_t>& bytes, FileLayout layout,
                      std::size_t frames);

}  // namespace ritmora::strokes
