#pragma once
// Shared state of one ritmora-cli run.
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "app/texts.h"
#include "library/library_file.h"
#include "plans/plan_file.h"

namespace ritmora::cli {

// Exit statuses: 0 success, 1 the command failed, 2 usage error.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct Context {
    std::filesystem::path dataFolder;       // --dir, or the program's own rule
    Language language = Language::Turkish;  // --lang
    std::ostream& out;
    std::ostream& err;
};

// Opens the library in the data folder, creating it from the default copy when missing, exactly
// as the window does at start-up. On failure prints the reason to err and returns null.
std::unique_ptr<UsulLibrary> OpenLibrary(const Context& context);

// Prints why a plan file could not be read (the message in the chosen language, then the file
// and the system's reason); returns kExitFailure.
int PlanReadFailure(const Context& context, const PlanFileText& read);

// Reports a usage error: one line on err; returns kExitUsage.
int UsageError(const Context& context, const std::string& line);

// Parses a whole decimal number; false when `text` is not one.
bool ParseInt(const std::string& text, int& value);

// The commands. `args` holds the words after the command name.
int RunList(const Context& context, const std::vector<std::string>& args);
int RunShow(const Context& context, const std::vector<std::string>& args);
int RunRenderUsul(const Context& context, const std::vector<std::string>& args);
int RunRenderPlan(const Context& context, const std::vector<std::string>& args);
int RunCheckPlan(const Context& context, const std::vector<std::string>& args);
int RunExportJpg(const Context& context, const std::vector<std::string>& args);
int RunExportPdf(const Context& context, const std::vector<std::string>& args);

}  // namespace ritmora::cli
