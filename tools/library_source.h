#pragma once
// The readable source of the default library (resources/default_library.txt) as the
// generator reads it: one block per usul with its provenance and its strokes.
#include <array>
#include <istream>
#include <map>
#include <string>
#include <vector>

namespace ritmora::tools {

// A fault in the source: the generator reports "<file>:<line>: <message>" and stops.
struct SourceError {
    int line;
    std::string message;
};

[[noreturn]] void Fail(int line, std::string message);

struct StrokeLine {
    int line = 0;
    int cell = 0;
    bool right = false;
    int duration = 0;
    int loudness = 0;
    std::string syllable;  // "" for none
    bool separatorAfter = false;
};

enum class SourceClass { kSourced, kPartlySourced, kReconstructed, kNoSourceFound };

// A claim about the strokes that the generator verifies: "velvele of: 4", "darbs: 6", ...
struct Claim {
    int line = 0;
    int value = 0;  // the slot, or the darb count
};

struct Provenance {
    int line = 0;  // of the class line; 0 when the block has none (user slots)
    SourceClass kind = SourceClass::kNoSourceFound;
    std::string citationEnglish, citationTurkish;
    Claim velveleOf, openingOf, mertebeOf, darbs;
    int strengthsLine = 0;
    std::vector<int> strengths;
    std::string noteEnglish, noteTurkish;
};

struct UsulBlock {
    int line = 0;
    int slot = 0;
    std::string name;
    int beats = 0;
    int mertebe = 0;
    int level = 0;
    Provenance provenance;
    std::vector<StrokeLine> strokes;
};

struct Source {
    std::map<int, UsulBlock> usuls;  // by slot
    int settingsLine = 0;
    std::array<int, 3> colour{};
    int lastLine = 0;
};

// Reads the whole source; stops at the first fault with its line.
Source ParseSource(std::istream& in);

}  // namespace ritmora::tools
