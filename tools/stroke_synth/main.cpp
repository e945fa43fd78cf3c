// stroke_synth: writes the six stroke recordings that the program carries.
//   stroke_synth OUTPUT_FOLDER
// Run by hand when the model changes; the files it writes are committed. The output depends only
// on this source (fixed seeds, our own noise generator).
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "tools/write_whole_file.h"
#include "tools/stroke_synth/pcm.h"
#include "tools/stroke_synth/stroke_recipe.h"
#include "tools/stroke_synth/stroke_render.h"
#include "tools/stroke_synth/wav_layout.h"

namespace {

using namespace ritmora::strokes;

constexpr double kPeakDbfs = -1.0;

// The MIDI note nearest to the stroke's pitch, for the sampler chunk.
int unity_note(const StrokeRecipe& r) {
    const double pitch = r.head == HeadKind::Kettle ? r.f11_hz : r.f01_hz;
    return static_cast<int>(std::lround(69.0 + 12.0 * std::log2(pitch / 440.0)));
}


}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: stroke_synth OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "stroke_synth: cannot create " << folder << ": " << error.message() << "\n";
        return 1;
    }
    for (const StrokeRecipe& recipe : all_strokes()) {
        const std::vector<double> signal = render_stroke(recipe);
        const int fade = static_cast<int>(std::lround(recipe.fade_s * kRateHz));
        const std::vector<std::int16_t> samples = to_pcm(signal, fade, kPeakDbfs);
        const std::vector<std::uint8_t> bytes =
            encode_wav(samples, recipe.layout, unity_note(recipe));
        const std::string problem = check_wav(bytes, recipe.layout, samples.size());
        if (!problem.empty()) {
            std::cerr << "stroke_synth: " << recipe.file_name << ": " << problem << "\n";
            return 1;
        }
        const std::filesystem::path path = folder / recipe.file_name;
        if (!ritmora::tools::WriteWholeFile(path, bytes)) {
            std::cerr << "stroke_synth: cannot write " << path << "\n";
            return 1;
        }
        std::cout << path.string() << ": " << samples.size() << " frames, " << bytes.size()
                  << " bytes\n";
    }
    return 0;
}
