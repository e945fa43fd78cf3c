#include "library/library_file.h"

#include <algorithm>
#include <string_view>
#include <system_error>

#include "library/replacing_file.h"

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

// The default copy goes through the safe writer and takes the library's name only if that is
// still free, so a library that appeared meanwhile (another program on the folder) is kept.
bool CreateFromDefault(const fs::path& target, std::span<const std::uint8_t> defaultBytes) {
    if (defaultBytes.size() != kLibraryFileSize) return false;
    ReplacingFile out(target);
    out.Write(defaultBytes);
    return out.CommitNew();
}

}  // namespace

fs::path UsulLibrary::Find(const fs::path& folder) { return FindLibraryFile(folder); }

LibraryOpenResult UsulLibrary::EnsureAndOpen(const fs::path& folder,
                                             std::span<const std::uint8_t> defaultBytes) {
    LibraryOpenResult result;
    result.path = FindLibraryFile(folder);
    if (result.path.empty()) {
        result.path = folder / kFileName;
        if (!CreateFromDefault(result.path, defaultBytes)) {
            // Another program may have created it in the meantime: that one is opened.
            std::error_code error;
            if (!fs::exists(fs::symlink_status(result.path, error))) {
                result.status = LibraryStatus::CannotCreate;
                return result;
            }
        }
    }

    // What was opened is checked, not the name: a plain file of exactly 256 records. A file of
    // the wrong size is never written.
    std::error_code error;
    std::unique_ptr<UsulLibrary> library(new UsulLibrary(result.path));
    library->file_ = NativeFile::OpenForReadWrite(result.path, error);
    NativeFileInfo info;
    if (!library->file_.IsOpen() || !library->file_.Info(info, error) || !info.regular) {
        result.status = LibraryStatus::CannotOpen;
        return result;
    }
    if (info.size != kLibraryFileSize) {
        result.status = LibraryStatus::WrongSize;
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

void UsulLibrary::Close() { file_.Close(); }

bool UsulLibrary::IsOpen() const { return file_.IsOpen(); }

bool UsulLibrary::ReadRecord(int recordNumber, RecordBytes& out) {
    if (!file_.IsOpen()) return false;
    RecordBytes bytes;
    std::error_code error;
    const std::size_t got =
        file_.ReadAt(static_cast<std::uint64_t>(recordNumber - 1) * kRecordSize, bytes, error);
    if (error || got != kRecordSize) return false;
    out = bytes;
    return true;
}

bool UsulLibrary::WriteRecord(int recordNumber, const RecordBytes& bytes) {
    if (!file_.IsOpen()) return false;
    std::error_code error;
    return file_.WriteAt(static_cast<std::uint64_t>(recordNumber - 1) * kRecordSize, bytes,
                         error) &&
           file_.Sync(error);
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
