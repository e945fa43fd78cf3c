#include "plans/plan_messages.h"

#include "plans/plan_check.h"

namespace ritmora {

std::string PlanCheckMessage(Language language, int messageIndex, int line) {
    if (messageIndex == kUnusablePlanName) {
        return PlanNameRefusalText(language == Language::Turkish);
    }
    std::string text = MessageText(language, messageIndex);
    if (messageIndex >= 28 && messageIndex <= 39) text += std::to_string(line);
    return text;
}

}  // namespace ritmora
