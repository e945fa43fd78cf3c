// The six loud stroke recordings, embedded at build time from resources/strokes/.
#include <cstddef>

#include "sound/sample_bank.h"

#ifdef RITMORA_HAVE_STROKES
extern const unsigned char stroke_kudum_dum[];
extern const std::size_t stroke_kudum_dum_size;
extern const unsigned char stroke_kudum_tek[];
extern const std::size_t stroke_kudum_tek_size;
extern const unsigned char stroke_bendir_dum[];
extern const std::size_t stroke_bendir_dum_size;
extern const unsigned char stroke_bendir_tek[];
extern const std::size_t stroke_bendir_tek_size;
extern const unsigned char stroke_def_dum[];
extern const std::size_t stroke_def_dum_size;
extern const unsigned char stroke_def_tek[];
extern const std::size_t stroke_def_tek_size;
#endif

namespace ritmora {

std::span<const std::uint8_t> StrokeRecording(Instrument instrument, bool dum) {
#ifdef RITMORA_HAVE_STROKES
    switch (instrument) {
        case Instrument::Kudum:
            return dum ? std::span(stroke_kudum_dum, stroke_kudum_dum_size)
                       : std::span(stroke_kudum_tek, stroke_kudum_tek_size);
        case Instrument::Bendir:
            return dum ? std::span(stroke_bendir_dum, stroke_bendir_dum_size)
                       : std::span(stroke_bendir_tek, stroke_bendir_tek_size);
        case Instrument::Def:
            break;
    }
    return dum ? std::span(stroke_def_dum, stroke_def_dum_size)
               : std::span(stroke_def_tek, stroke_def_tek_size);
#else
    // A build without the recordings carries a silent stroke: a canonical header, no samples.
    (void)instrument;
    (void)dum;
    static constexpr std::uint8_t kSilent[] = {
        'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
        1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0, 2, 0, 16, 0, 'd', 'a', 't', 'a', 0, 0,
        0, 0};
    return kSilent;
#endif
}

}  // namespace ritmora
