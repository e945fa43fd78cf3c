#pragma once
// Checking a typed work plan as the save button does, and writing it as a plan file.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "library/library_file.h"

namespace ritmora {

// The result of a refused plan name (empty after trimming and folding, or not usable as a file
// name); the window shows PlanNameRefusalText for it.
inline constexpr int kUnusablePlanName = -1;

// Width of one saved plan line (PlanColumns).
inline constexpr std::size_t kPlanLineWidth = 43;

// Where the fields of a saved plan line stand: name, usul, times, unit, BpM.
struct PlanColumn {
    std::size_t first;  // 1-based
    std::size_t width;
};
inline constexpr std::array<PlanColumn, 5> kPlanColumns = {
    {{1, 17}, {20, 4}, {26, 4}, {32, 3}, {37, 7}}};

struct PlanCheckResult {
    int messageIndex = 0;        // 0 = valid; 26..39 and the plan line messages; kUnusablePlanName
    int line = 0;                // the line number appended to line faults (non-blank lines)
    std::string normalisedText;  // PlanColumns lines joined with CR LF, no final break
    std::vector<std::string> passageNames;
    std::string fileName;  // folded trimmed name + ".txt"
};

// Checks the plan text and name in the order the save button does: 27 empty text (also a text
// of blank lines only), 26 empty name, then each non-blank line (CheckPlanLine, then
// kPlanFieldTooWideMessage when a field in its shortest exact form is wider than its column;
// with the line's number), then the name as a file name (kUnusablePlanName). Lines end at
// CR LF, a bare LF or a bare CR. On success fills the normalised text, the passage names and
// the file name. Usuls are read from `library` into a record of the check's own; nothing is
// written.
PlanCheckResult ValidatePlan(std::string_view planText, std::string_view planName,
                             UsulLibrary& library);

// One plan line in fixed columns: name at column 1 (17 wide), usul 20 (4), times 26 (4), unit
// 32 (3), BpM 37 (7); longer fields are cut; 43 characters.
std::string PlanColumns(const std::vector<std::string>& fields);
// Whether every number field fits its column, so no number would be cut (the name may be).
bool FitsPlanColumns(const std::vector<std::string>& fields);

// Writes `result.normalisedText` and one CR LF, in Windows-1254, to planFolder/fileName through
// a temporary file and a rename, replacing a file of that name. Refuses a file name that would
// leave planFolder. On failure returns false and sets *error (when given) to the reason.
bool WritePlanFile(const std::filesystem::path& planFolder, const PlanCheckResult& result,
                   std::string* error);

// The refusal of an unusable plan name, in Turkish or English.
const std::string& PlanNameRefusalText(bool turkish);

}  // namespace ritmora
