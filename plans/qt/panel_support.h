#pragma once
// Small helpers shared by the plan panels: UTF-8 texts, the plan's message boxes and the texts
// of file failures, which the message table has no entries for.
#include <QString>
#include <string>
#include <string_view>

namespace ritmora {

class ArayüzKalıp;

inline QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A plain OK box with the window's title, through the window's message path.
void ShowPlanText(ArayüzKalıp& window, const std::string& text);

// The message of a refused plan (26..39 with its line number, or the name refusal).
void ShowPlanFault(ArayüzKalıp& window, int messageIndex, int line);

enum class PlanFileAction { kWrite, kDelete };

// "The plan file could not be written: <reason>" in the window's language.
std::string PlanFileFailureText(ArayüzKalıp& window, PlanFileAction action,
                                const std::string& reason);

}  // namespace ritmora
