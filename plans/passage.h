#pragma once
// One passage of a work plan, as the plan renderer needs it.
#include <string>

namespace ritmora {

struct PassageSpec {
    std::string name;   // the sequence name of the plan line
    int usulSlot = 0;   // library slot 1..255
    int startBeat = 1;  // first beat ring played
    int endBeat = 0;    // last beat ring played
    int repeats = 1;    // whole-cycle repeats (1 for a beat-ring stretch)
    int unit = 4;       // 2, 4, 8 or 16
    int introBpm = 0;
    int finalBpm = 0;
};

}  // namespace ritmora
