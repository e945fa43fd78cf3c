#pragma once
// The library file usuller.usl: 256 records of 1684 bytes, open from start-up to shutdown.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "library/native_file.h"
#include "library/usul_record.h"

namespace ritmora {

enum class LibraryStatus {
    Ok,
    CannotCreate,  // no library in the folder and the default copy could not be written
    CannotOpen,    // the name is taken by something that cannot be opened for reading and
                   // writing as a plain file (a folder, a device, a file without permission)
    WrongSize,     // the file is not 256 records long; it is left untouched
};

class UsulLibrary;

struct LibraryOpenResult {
    std::unique_ptr<UsulLibrary> library;  // null unless status is Ok
    LibraryStatus status = LibraryStatus::Ok;
    std::filesystem::path path;  // the file that was (or would have been) opened
};

class UsulLibrary {
  public:
    static constexpr const char* kFileName = "usuller.usl";

    // The library file of `folder` in any letter case (the exact spelling first); empty when
    // there is none.
    static std::filesystem::path Find(const std::filesystem::path& folder);

    // Creates usuller.usl in `folder` from `defaultBytes` when no file of that name exists there
    // (letter case ignored), never touching an existing one; then opens it for reading and
    // writing.
    static LibraryOpenResult EnsureAndOpen(const std::filesystem::path& folder,
                                           std::span<const std::uint8_t> defaultBytes);

    ~UsulLibrary();
    UsulLibrary(const UsulLibrary&) = delete;
    UsulLibrary& operator=(const UsulLibrary&) = delete;

    // Slots 1..255. False on any failure (bad slot, closed file, short read, failed write).
    // A written record is pushed down to the disk before the write counts as done.
    bool ReadSlot(int slot, UsulRecord& out);
    bool WriteSlot(int slot, const UsulRecord& record);
    bool ReadSettings(SettingsRecord& out);
    bool WriteSettings(const SettingsRecord& settings);
    void Close();
    bool IsOpen() const;
    const std::filesystem::path& Path() const { return path_; }

  private:
    explicit UsulLibrary(std::filesystem::path path);
    bool ReadRecord(int recordNumber, RecordBytes& out);
    bool WriteRecord(int recordNumber, const RecordBytes& bytes);

    std::filesystem::path path_;
    NativeFile file_;
};

// A clear, user-facing explanation of a failed open (turkish = the Turkish text).
std::string LibraryOpenFailureText(LibraryStatus status, const std::filesystem::path& path,
                                   bool turkish);

}  // namespace ritmora
