// ritmora-cli: the headless companion of the ritmora window.
#include <QCoreApplication>
#include <charconv>
#include <chrono>
#include <exception>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/data_folder.h"
#include "cli/cli_context.h"
#include "cli/terminal_text.h"
#include "library/default_library.h"
#include "library/folder_lock.h"

namespace ritmora::cli {

std::unique_ptr<UsulLibrary> OpenLibrary(const Context& context) {
    auto result = UsulLibrary::EnsureAndOpen(context.dataFolder, DefaultLibraryBytes());
    if (result.status != LibraryStatus::Ok) {
        context.err << ForTerminal(LibraryOpenFailureText(result.status, result.path,
                                                          context.language == Language::Turkish))
                    << "\n";
        return nullptr;
    }
    return std::move(result.library);
}

int UsageError(const Context& context, const std::string& line) {
    context.err << "ritmora-cli: " << ForTerminal(line) << "\n";
    return kExitUsage;
}

int PlanReadFailure(const Context& context, const PlanFileText& read) {
    context.err << MessageText(context.language, PlanReadFaultMessage(read.fault)) << " ("
                << ForTerminal(read.detail) << ")\n";
    return kExitFailure;
}

bool ParseInt(const std::string& text, int& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && !text.empty();
}

namespace {

struct Command {
    int (*run)(const Context&, const std::vector<std::string>&);
    bool writes;  // writes into the data folder (samples, rendered audio, pictures)
};

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"list", {RunList, false}},
        {"show", {RunShow, false}},
        {"render-usul", {RunRenderUsul, true}},
        {"render-plan", {RunRenderPlan, true}},
        {"check-plan", {RunCheckPlan, false}},
        {"export-jpg", {RunExportJpg, true}},
        {"export-pdf", {RunExportPdf, true}},
    };
    return commands;
}

// A run that renders a long plan takes some seconds; one that waits longer than this for the
// folder gives up and says so.
constexpr std::chrono::seconds kFolderPatience{60};

// Takes the data folder's lock for a command that writes into it (reading commands need it only
// when they must create the library). False, with the reason printed, when the folder is not
// free: the editor holds it, or another run kept it past our patience.
bool LockFolderFor(const Context& context, const Command& command,
                   std::optional<DataFolderLock>& lock) {
    if (!command.writes && !UsulLibrary::Find(context.dataFolder).empty()) return true;
    lock.emplace(context.dataFolder, FolderUser::CommandLine);
    switch (lock->Acquire(kFolderPatience)) {
        case DataFolderLock::Outcome::Acquired:
            return true;
        case DataFolderLock::Outcome::HeldByEditor:
            context.err << MessageText(context.language, kFolderHeldByEditorMessage) << " ("
                        << ForTerminal(context.dataFolder) << ")\n";
            return false;
        case DataFolderLock::Outcome::HeldByCommandLine:
            context.err << MessageText(context.language, kFolderBusyMessage) << " ("
                        << ForTerminal(context.dataFolder) << ")\n";
            return false;
        case DataFolderLock::Outcome::Unavailable:
            break;
    }
    // Without a lock file nothing is shared safely, but a folder that takes none (read-only, a
    // folder in the lock file's place) is no reason to refuse the work.
    context.err << "ritmora-cli: note: no lock in " << ForTerminal(context.dataFolder) << " ("
                << lock->detail() << ")\n";
    return true;
}

constexpr const char* kUsage =
    "usage: ritmora-cli [--dir DIR] [--lang tr|en] "
    "list|show|render-usul|render-plan|check-plan|export-jpg|export-pdf ...";

}  // namespace
}  // namespace ritmora::cli

namespace {

int Run(int argc, char** argv) {
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
    std::optional<ritmora::DataFolderLock> lock;
    if (!LockFolderFor(context, command->second, lock)) return kExitFailure;
    const std::vector<std::string> args(words.begin() + static_cast<long>(i) + 1, words.end());
    return command->second.run(context, args);
}

}  // namespace

int main(int argc, char** argv) {
    // Every failure is meant to come back as a value with its own message; this is the last
    // guard, so that even an unforeseen one ends with a line of text and status 1.
    try {
        return Run(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "ritmora-cli: unexpected failure: " << failure.what() << "\n";
    } catch (...) {
        std::cerr << "ritmora-cli: unexpected failure\n";
    }
    return ritmora::cli::kExitFailure;
}
