#include "app/startup_rules.h"

#include <vector>

#include "app/texts.h"

namespace ritmora {

StartupRefusal DecideStartup(bool anotherCopyRuns, int screenWidth, int screenHeight) {
    if (anotherCopyRuns) return StartupRefusal::AlreadyRunning;
    if (screenWidth < kMinimumScreenWidth) return StartupRefusal::ScreenTooNarrow;
    if (screenHeight < kMinimumScreenHeight) return StartupRefusal::ScreenTooLow;
    return StartupRefusal::None;
}

const std::string& StartupRefusalText(StartupRefusal refusal) {
    static const std::string none;
    switch (refusal) {
        case StartupRefusal::AlreadyRunning:
            return AlreadyRunningText();
        case StartupRefusal::ScreenTooNarrow:
            return ScreenTooNarrowText();
        case StartupRefusal::ScreenTooLow:
            return ScreenTooLowText();
        case StartupRefusal::None:
            break;
    }
    return none;
}

const std::string& StartupMessageTitle() { return ApplicationTitle(Language::English); }

std::filesystem::path VlvlFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / "vlvl";
}

bool IsTemporarySoundFileName(const std::string& fileName) {
    static const std::string extension = ".---";
    return fileName.size() > extension.size() &&
           fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0;
}

std::size_t DeleteTemporarySoundFiles(const std::filesystem::path& vlvlFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator it(vlvlFolder, error);
    if (error) return 0;
    // Collect first: removing entries while iterating leaves the iterator's order unspecified.
    std::vector<fs::path> doomed;
    for (const fs::directory_entry& entry : it) {
        std::error_code statusError;
        const fs::file_status status = entry.symlink_status(statusError);
        if (statusError || fs::is_directory(status)) continue;
        if (IsTemporarySoundFileName(entry.path().filename().string())) {
            doomed.push_back(entry.path());
        }
    }
    std::size_t deleted = 0;
    for (const fs::path& file : doomed) {
        std::error_code removeError;
        if (fs::remove(file, removeError)) ++deleted;
    }
    return deleted;
}

}  // namespace ritmora
