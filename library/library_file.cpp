#include "library/library_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string_view>
#include <system_error>

namespace ritmora {
namespace {

namespace fs = std::filesystem;

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The directory entry whose name is the library's name in any letter case; the exact spelling
// wins when a case-sensitive file system holds several. Empty when there is none.
fs::path FindLibraryFile(const fs::path& folder) {
    std::error_code error;
    fs::path found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::u8string utf8 = it->path().filename().u8string();  // never throws on odd names
        const std::string name(utf8.begin(), utf8.end());
        if (!EqualsIgnoringAsciiCase(name, UsulLibrary::kFileName)) continue;
        if (name == UsulLibrary::kFileName) return it->path();
        if (found.empty() || it->path() < found) found = it->path();
    }
    return found;
}

// Writes the default copy under a temporary name and renames it into place, so that the
// library name never denotes a half-written file.
bool CreateFromDefault(const fs::path& target, std::span<const std::uint8_t> defaultBytes) {
    if (defaultBytes.size() != kLibraryFileSize) return false;
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path temporary =
        target.parent_path() / (std::string(UsulLibrary::kFileName) + ".new-" +
                                std::to_string(stamp) + "-" + std::to_string(counter++));
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(defaultBytes.data()),
                  static_cast<std::streamsize>(defaultBytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace

LibraryOpenResult UsulLibrary::EnsureAndOpen(const fs::path& folder,
                                             std::span<const std::uint8_t> defaultBytes) {
    LibraryOpenResult result;
    result.path = FindLibraryFile(folder);
    if (result.path.empty()) {
        result.path = folder / kFileName;
        if (!CreateFromDefault(result.path, defaultBytes)) {
            result.status = LibraryStatus::CannotCreate;
            return result;
        }
    }

    std::error_code error;
    if (!fs::is_regular_file(result.path, error)) {
        result.status = LibraryStatus::CannotOpen;
        return result;
    }
    // Checked before opening so that a file of the wrong size is never even opened for writing.
    const auto size = fs::file_size(result.path, error);
    if (error) {
        result.status = LibraryStatus::CannotOpen;
        return result;
    }
    if (size != kLibraryFileSize) {
        result.status = LibraryStatus::WrongSize;
        return result;
    }

    std::unique_ptr<UsulLibrary> library(new UsulLibrary(result.path));
    library->file_.open(result.path, std::ios::in | std::ios::out | std::ios::binary);
    if (!library->file_.is_open()) {
        result.status = LibraryStatus::CannotOpen;
        return result;
    }
    result.library = std::move(library);
    return result;
}

UsulLibrary::UsulLibrary(fs::path path) : path_(std::move(path)) {}

UsulLibrary::~UsulLibrary() { Close(); }

bool UsulLibrary::ReadSlot(int slot, UsulRecord& out) {
    if (slot < 1 || slot > kSlotCount) return false;
    RecordBytes bytes;
    if (!ReadRecord(slot, bytes)) return false;
    out = DecodeUsulRecord(bytes);
    return true;
}

bool UsulLibrary::WriteSlot(int slot, const UsulRecord& record) {
    if (slot < 1 || slot > kSlotCount) return false;
    return WriteRecord(slot, EncodeUsulRecord(record));
}

bool UsulLibrary::ReadSettings(SettingsRecord& out) {
    RecordBytes bytes;
    if (!ReadRecord(kSettingsRecordNumber, bytes)) return false;
    out = DecodeSettingsRecord(bytes);
    return true;
}

bool UsulLibrary::WriteSettings(const SettingsRecord& settings) {
    return WriteRecord(kSettingsRecordNumber, EncodeSettingsRecord(settings));
}

void UsulLibrary::Close() {
    if (file_.is_open()) file_.close();
}

bool UsulLibrary::IsOpen() const { return file_.is_open(); }

bool UsulLibrary::ReadRecord(int recordNumber, RecordBytes& out) {
    if (!file_.is_open()) return false;
    file_.clear();  // an earlier failure must not block this read
    file_.seekg(static_cast<std::streamoff>(recordNumber - 1) * kRecordSize);
    RecordBytes bytes;
    file_.read(reinterpret_cast<char*>(bytes.data()), kRecordSize);
    const bool whole = file_ && file_.gcount() == static_cast<std::streamsize>(kRecordSize);
    file_.clear();
    if (!whole) return false;
    out = bytes;
    return true;
}

bool UsulLibrary::WriteRecord(int recordNumber, const RecordBytes& bytes) {
    if (!file_.is_open()) return false;
    file_.clear();
    file_.seekp(static_cast<std::streamoff>(recordNumber - 1) * kRecordSize);
    file_.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize);
    file_.flush();
    const bool written = static_cast<bool>(file_);
    file_.clear();
    return written;
}

std::string LibraryOpenFailureText(LibraryStatus status, const fs::path& path, bool turkish) {
    const std::string where = path.string();
    switch (status) {
        case LibraryStatus::Ok:
            return {};
        case LibraryStatus::CannotCreate:
            return turkish ? "Usul kütüphanesi " + where +
                                 " programdaki varsayılan kopyadan oluşturulamadı. Klasörün "
                                 "var olduğundan ve yazılabilir olduğundan emin olun (ya da "
                                 "oraya bir usuller.usl koyun), sonra yeniden başlatın."
                           : "The usul library " + where +
                                 " could not be created from the program's default copy. Make "
                                 "sure the folder exists and is writable (or put a usuller.usl "
                                 "there), then start again.";
        case LibraryStatus::CannotOpen:
            return turkish ? "Usul kütüphanesi " + where +
                                 " okuma ve yazma için açılamadı. Bunun bir dosya olduğunu ve "
                                 "okuma/yazma izniniz bulunduğunu denetleyin."
                           : "The usul library " + where +
                                 " could not be opened for reading and writing. Check that it "
                                 "is a file and that you may read and write it.";
        case LibraryStatus::WrongSize:
            return turkish ? "Usul kütüphanesi " + where +
                                 " 431104 bayt değil; dosya olduğu gibi bırakıldı. Yeni bir "
                                 "varsayılan kütüphane için dosyayı başka bir yere taşıyın."
                           : "The usul library " + where +
                                 " is not 431104 bytes long and was left untouched. Move it "
                                 "elsewhere to get a fresh default library.";
    }
    return {};
}

}  // namespace ritmora
