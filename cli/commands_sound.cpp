#include "cli/cli_context.h"

namespace ritmora::cli {
int RunRenderUsul(const Context& c, const std::vector<std::string>&) { return UsageError(c, "render-usul: not available yet"); }
int RunRenderPlan(const Context& c, const std::vector<std::string>&) { return UsageError(c, "render-plan: not available yet"); }
}  // namespace ritmora::cli
