#include "cli/cli_context.h"

namespace ritmora::cli {
int RunExportJpg(const Context& c, const std::vector<std::string>&) { return UsageError(c, "export-jpg: not available yet"); }
}  // namespace ritmora::cli
