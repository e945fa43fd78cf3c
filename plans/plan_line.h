#pragma once
// The check of one plan line, shared by saving (ValidatePlan) and by rendering
// (ReadPlanForRendering), so a file edited outside the program meets the same rules.
#include <string>
#include <vector>

#include "library/library_file.h"
#include "plans/passage.h"

namespace ritmora {

// Bounds of the plan syntax.
inline constexpr int kPlanFieldCount = 5;
inline constexpr double kMinBpm = 20;
inline constexpr double kMaxBpm = 208;
// The largest repeat count the four-character column of a saved plan holds.
inline constexpr double kMaxRepeats = 9999;

struct PlanLineCheck {
    int messageIndex = 0;  // 0 = the line is valid, else the fault's message
    PassageSpec passage;   // filled when valid
    // Filled when valid: the five fields with every number in its shortest exact form
    // ("0049-" -> "49-", "84.00000>50" -> "84>50", "00165" -> "165"), as a plan is saved.
    std::vector<std::string> fields;
};

// Checks one line that has already been trimmed and had its blank runs collapsed (and is not
// empty), in the order of the faults: 28 field count, 29 usul number, 30 dash, 31 beat ring,
// kPlanRepeatsTooLargeMessage a repeat count above kMaxRepeats, 32 unit, 33/34 BpM, 35..39 a
// tempo change. The usul is read into a record of its own. A record that cannot be read counts
// as an empty usul (beat count 0).
PlanLineCheck CheckPlanLine(const std::string& line, UsulLibrary& library);

// Whether a message is about one plan line, so that its line number follows it.
bool IsPlanLineFault(int messageIndex);

}  // namespace ritmora
