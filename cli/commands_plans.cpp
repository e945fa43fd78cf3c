// check-plan: the save button's check of a plan text, without writing the plan file.
#include <filesystem>
#include <optional>

#include "cli/cli_context.h"
#include "cli/terminal_text.h"
#include "plans/plan_check.h"
#include "plans/plan_file.h"
#include "plans/plan_messages.h"
#include "plans/plan_syntax.h"

namespace ritmora::cli {

int RunCheckPlan(const Context& context, const std::vector<std::string>& args) {
    constexpr const char* kUsage = "usage: check-plan FILE [--name NAME]";
    std::optional<std::string> file;
    std::optional<std::string> name;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--name") {
            if (i + 1 >= args.size()) return UsageError(context, "--name needs a plan name");
            name = args[++i];
        } else if (!file && !args[i].starts_with("--")) {
            file = args[i];
        } else {
            return UsageError(context, "check-plan: unexpected '" + args[i] + "'; " + kUsage);
        }
    }
    if (!file) return UsageError(context, kUsage);

    const std::filesystem::path path = PathFromUtf8(*file);
    const PlanFileText plan = ReadPlanFile(path);
    if (!plan.ok()) return PlanReadFailure(context, plan);
    const std::string& text = plan.text;
    if (!name) {
        const std::u8string fileName = path.filename().u8string();
        name = PlanNameFromFileName(std::string(fileName.begin(), fileName.end()));
    }
    auto library = OpenLibrary(context);
    if (!library) return kExitFailure;

    const PlanCheckResult result = ValidatePlan(text, *name, *library);
    if (result.messageIndex != 0) {
        context.err << PlanCheckMessage(context.language, result.messageIndex, result.line) << "\n";
        return kExitFailure;
    }
    // The saved text, one plan line per output line (plain line feeds on the terminal).
    for (const std::string& line : SplitLines(result.normalisedText)) {
        context.out << ForTerminal(line) << "\n";
    }
    return kExitOk;
}

}  // namespace ritmora::cli
