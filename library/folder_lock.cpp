#include "library/folder_lock.h"

#include <array>
#include <string_view>
#include <thread>

namespace ritmora {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kEditorName = "ritmora";
constexpr std::string_view kCommandLineName = "ritmora-cli";

// Whatever else stands under the lock's name (a symbolic link, a pipe) can hold no lock and
// is taken away; a folder is never deleted. False when nothing can be done about it.
bool ClearNonFile(const fs::path& path) {
    std::error_code error;
    const fs::file_type type = fs::symlink_status(path, error).type();
    switch (type) {
        case fs::file_type::symlink:
        case fs::file_type::fifo:
        case fs::file_type::socket:
        case fs::file_type::block:
        case fs::file_type::character:
        case fs::file_type::unknown:
            return fs::remove(path, error) || !error;
        default:
            return false;
    }
}

}  // namespace

DataFolderLock::DataFolderLock(const fs::path& dataFolder, FolderUser user)
    : path_(dataFolder / kFileName), user_(user) {}

DataFolderLock::Outcome DataFolderLock::TryAcquire() {
    if (held_) return Outcome::Acquired;
    detail_.clear();
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::error_code error;
        file_ = NativeFile::OpenOrCreateNoLink(path_, writable_, error);
        NativeFileInfo info;
        if (file_.IsOpen() && !file_.Info(info, error)) file_.Close();
        if (!file_.IsOpen() || !info.regular) {
            file_.Close();
            if (ClearNonFile(path_)) continue;
            detail_ = error ? error.message() : "not a file";
            return Outcome::Unavailable;
        }
        if (!file_.TryLock(error)) {
            const Outcome holder = error ? Outcome::Unavailable : Holder();
            if (error) detail_ = error.message();
            file_.Close();
            return holder;
        }
        // Locked, but the name may have been taken away and given to another file meanwhile.
        if (!file_.IsSameFileAs(path_)) {
            file_.Close();
            continue;
        }
        held_ = true;
        if (writable_) {
            const std::string identity =
                std::to_string(ProcessNumber()) + "\n" +
                std::string(user_ == FolderUser::Editor ? kEditorName : kCommandLineName) + "\n";
            // The text only informs others; the lock holds without it.
            file_.Truncate(0, error);
            file_.WriteAt(0,
                          {reinterpret_cast<const std::uint8_t*>(identity.data()), identity.size()},
                          error);
        }
        return Outcome::Acquired;
    }
    detail_ = "the lock file keeps being replaced";
    return Outcome::Unavailable;
}

DataFolderLock::Outcome DataFolderLock::Holder() const {
    std::array<std::uint8_t, 128> bytes{};
    std::error_code error;
    const std::size_t got = file_.ReadAt(0, bytes, error);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), got);
    // An empty text: the holder has only just taken the lock. Anything but the command line's
    // name is taken for an editor, whose lock lasts.
    if (text.empty()) return Outcome::HeldByCommandLine;
    const std::size_t first = text.find('\n');
    std::string_view name = first == std::string_view::npos ? "" : text.substr(first + 1);
    name = name.substr(0, name.find('\n'));
    return name == kCommandLineName ? Outcome::HeldByCommandLine : Outcome::HeldByEditor;
}

DataFolderLock::Outcome DataFolderLock::Acquire(std::chrono::milliseconds patience) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + patience;
    bool confirmed = false;
    for (;;) {
        const Outcome outcome = TryAcquire();
        // The text may still be a crashed editor's, read just before a new holder rewrote it.
        if (outcome == Outcome::HeldByEditor && !confirmed) {
            confirmed = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            continue;
        }
        if (outcome != Outcome::HeldByCommandLine || Clock::now() >= deadline) return outcome;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

void DataFolderLock::Release() {
    if (!held_) return;
    std::error_code ignored;
    // A clean end leaves no name behind for the next reader.
    if (writable_) file_.Truncate(0, ignored);
    file_.Close();
    held_ = false;
}

}  // namespace ritmora
