// ritmora-cli: the headless companion of the ritmora window.
#include <QCoreApplication>
#include <charconv>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "app/data_folder.h"
#include "cli/cli_context.h"
#include "library/default_library.h"

namespace ritmora::cli {

std::unique_ptr<UsulLibrary> OpenLibrary(const Context& context) {
    auto result = UsulLibrary::EnsureAndOpen(context.dataFolder, DefaultLibraryBytes());
    if (result.status != LibraryStatus::Ok) {
        context.err << LibraryOpenFailureText(result.status, result.path,
                                              context.language == Language::Turkish)
                    << "\n";
        return nullptr;
    }
    return std::move(result.library);
}

int UsageError(const Context& context, const std::string& line) {
    context.err << "ritmora-cli: " << line << "\n";
    return kExitUsage;
}

bool ParseInt(const std::string& text, int& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && !text.empty();
}

namespace {

using Command = int (*)(const Context&, const std::vector<std::string>&);

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"list", RunList},
        {"show", RunShow},
        {"render-usul", RunRenderUsul},
        {"render-plan", RunRenderPlan},
        {"check-plan", RunCheckPlan},
        {"export-jpg", RunExportJpg},
        {"export-pdf", RunExportPdf},
    };
    return commands;
}

constexpr const char* kUsage =
    "usage: ritmora-cli [--dir DIR] [--lang tr|en] "
    "list|show|render-usul|render-plan|check-plan|export-jpg|export-pdf ...";

}  // namespace
}  // namespace ritmora::cli

int main(int argc, char** argv) {
    using namespace ritmora::cli;
    QCoreApplication::setApplicationName("ritmora");
    std::vector<std::string> words(argv + 1, argv + argc);
    Context context{{}, ritmora::Language::Turkish, std::cout, std::cerr};

    std::size_t i = 0;
    bool dirGiven = false;
    for (; i < words.size(); ++i) {
        if (words[i] == "--dir") {
            if (i + 1 >= words.size()) return UsageError(context, "--dir needs a folder");
            context.dataFolder = std::filesystem::path(words[++i]);
            dirGiven = true;
        } else if (words[i] == "--lang") {
            if (i + 1 >= words.size()) return UsageError(context, "--lang needs tr or en");
            const std::string& lang = words[++i];
            if (lang == "tr") {
                context.language = ritmora::Language::Turkish;
            } else if (lang == "en") {
                context.language = ritmora::Language::English;
            } else {
                return UsageError(context, "--lang takes tr or en, not '" + lang + "'");
            }
        } else {
            break;
        }
    }
    if (i >= words.size()) return UsageError(context, kUsage);
    const auto command = Commands().find(words[i]);
    if (command == Commands().end()) {
        return UsageError(context, "unknown command '" + words[i] + "'; " + kUsage);
    }
    if (!dirGiven) {
        // The window's own rule: the program's folder when writable, else the user's data folder.
        int fakeArgc = 1;
        QCoreApplication app(fakeArgc, argv);
        context.dataFolder = ritmora::ResolveDataFolder(ritmora::ProgramFolder());
    } else {
        std::error_code error;
        std::filesystem::create_directories(context.dataFolder, error);
    }
    const std::vector<std::string> args(words.begin() + static_cast<long>(i) + 1, words.end());
    return command->second(context, args);
}
