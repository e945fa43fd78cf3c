#include "cli/cli_context.h"

namespace ritmora::cli {
int RunCheckPlan(const Context& c, const std::vector<std::string>&) { return UsageError(c, "check-plan: not available yet"); }
}  // namespace ritmora::cli
