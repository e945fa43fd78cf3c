// The six loud stroke recordings, embedded at build time from resources/strokes/.
#include <cstddef>

#include "sound/sample_bank.h"

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

namespace ritmora {

std::span<const std::uint8_t> StrokeRecording(Instrument instrument, bool dum) {
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
}

}  // namespace ritmora
