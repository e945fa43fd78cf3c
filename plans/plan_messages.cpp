#include "plans/plan_messages.h"

#include "plans/plan_check.h"
#include "plans/plan_line.h"

namespace ritmora {

std::string PlanCheckMessage(Language language, int messageIndex, int line) {
    if (messageIndex == kUnusablePlanName) {
        return PlanNameRefusalText(language == Language::Turkish);
    }
    std::string text = MessageText(language, messageIndex);
    if (IsPlanLineFault(messageIndex)) text += std::to_string(line);
    return text;
}

}  // namespace ritmora
