#include "cli/cli_context.h"

namespace ritmora::cli {
int RunList(const Context& c, const std::vector<std::string>&) { return UsageError(c, "list: not available yet"); }
int RunShow(const Context& c, const std::vector<std::string>&) { return UsageError(c, "show: not available yet"); }
}  // namespace ritmora::cli
