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
// Repeats live in 16-bit working arrays; a larger count is refused rather than overflowing.
inline constexpr double kMaxRepeats = 32767;

struct PlanLineCheck {
    int messageIndex = 0;  // 0 = the line is valid, else the fault's message (28..39)
    PassageSpec passage;   // filled when valid
};

// Checks one line that has already been trimmed and had its blank runs collapsed (and is not
// empty), in the order of the faults: 28 field count, 29 usul number, 30 dash, 31 beat ring,
// 32 unit, 33/34 BpM, 35..39 a tempo change. The usul is read into a record of its own.
// A record that cannot be read counts as an empty usul (beat count 0).
PlanLineCheck CheckPlanLine(const std::string& line, UsulLibrary& library);

}  // namespace ritmora
