#pragma once
// Saved work plans: reading a plan file, its name and passages, the list of plan files, and the
// reading of a plan for rendering.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/checked_read.h"
#include "library/library_file.h"
#include "plans/passage.h"

namespace ritmora {

// A path from a UTF-8 text (file names built from user text hold Turkish letters).
std::filesystem::path PathFromUtf8(std::string_view utf8);

// A plan of a few hundred lines is a few kilobytes; nothing larger is taken for a plan.
inline constexpr std::uint64_t kPlanFileByteLimit = 1024 * 1024;

// The text of a plan file as the plan box shows it: its lines (ending at CR LF, a bare CR or a
// bare LF) joined with CR LF, without a final line break. Bytes that are valid UTF-8 are taken
// as UTF-8 (a leading byte-order mark dropped), anything else as Windows-1254. Only a plain
// file of at most kPlanFileByteLimit bytes is read; otherwise the text is empty and `fault`
// and `detail` (DescribeReadFault) say why.
struct PlanFileText {
    std::string text;
    ReadFault fault = ReadFault::None;
    std::string detail;
    bool ok() const { return fault == ReadFault::None; }
};
PlanFileText ReadPlanFile(const std::filesystem::path& file);
// The message (kPlanFileMissingMessage .. kPlanFileUnreadableMessage) of a read fault; 0 for
// None.
int PlanReadFaultMessage(ReadFault fault);
// The same; nothing when the file cannot be read.
std::optional<std::string> TryReadPlanFileText(const std::filesystem::path& file);
// The same, with an unreadable file giving an empty text.
std::string ReadPlanFileText(const std::filesystem::path& file);

// The plan name of a file name: every exact ".txt" removed ("a.txt.txt" -> "a").
std::string PlanNameFromFileName(std::string fileName);

// The passage names of a plan text: per non-blank line, blank runs collapsed (the line is not
// trimmed first, so a leading blank gives an empty name), the first field.
std::vector<std::string> PassageNamesOf(std::string_view planText);

// The plan files ("*.txt", letter case ignored) of a folder, sorted by name without regard to
// letter case; empty when the folder cannot be read.
std::vector<std::filesystem::path> ListPlanFiles(const std::filesystem::path& folder);

struct PlanReadResult {
    std::vector<PassageSpec> passages;
    int messageIndex = 0;  // 0 = readable, else the fault's message (27..39) as on saving
    int line = 0;          // the non-blank line the fault is on
};

// Reads a plan text for rendering. It is checked again with the rules of saving (a file may have
// been edited outside the program), then each line becomes a passage: times "N" plays the whole
// cycle N times, "-N" rings 1..N once, "N-" rings N..the last once; BpM "A" or "A>B".
PlanReadResult ReadPlanForRendering(std::string_view planText, UsulLibrary& library);

}  // namespace ritmora
