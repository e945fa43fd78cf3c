#pragma once
// The text shown for a refused plan, in the current language.
#include <string>

#include "app/texts.h"

namespace ritmora {

// The message table entry `messageIndex`, followed directly by the line number for the line
// faults (IsPlanLineFault); the name refusal for kUnusablePlanName.
std::string PlanCheckMessage(Language language, int messageIndex, int line);

}  // namespace ritmora
