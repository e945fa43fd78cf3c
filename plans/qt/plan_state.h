#pragma once
// The current plan's passages, as the plan panels, the rendering and the playback share them.
#include <string>
#include <vector>

namespace ritmora {

struct PlanState {
    // The last plan checked, opened or rendered (0-based here; passage j is element j - 1).
    std::vector<std::string> PassageNames;
    std::vector<int> PassageEndMs;  // end of each passage in the composition, ms
    std::vector<int> PassageUsuls;  // the usul slot of each passage
    double PlayDurationMs = 0;      // length of the rendered composition
    int currentPassage = 0;         // List3 index from which playback started

    int PassageCount() const { return static_cast<int>(PassageNames.size()); }

    // A plan opened or checked: its names, its ends all 0 until it is rendered.
    void SetPassages(std::vector<std::string> names) {
        PassageNames = std::move(names);
        PassageEndMs.assign(PassageNames.size(), 0);
        PassageUsuls.assign(PassageNames.size(), 0);
    }
};

}  // namespace ritmora
