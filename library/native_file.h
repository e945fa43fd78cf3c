#pragma once
// An open file of the operating system (a POSIX descriptor or a Windows handle) with the few
// operations the safe writer, the checked reader, the library file and the data-folder lock
// need. Nothing here throws: every failure comes back as an error code.
#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace ritmora {

struct NativeFileInfo {
    bool regular = false;  // a plain file (not a folder, device, pipe or socket)
    std::uint64_t size = 0;
};

class NativeFile {
  public:
    NativeFile() = default;
    ~NativeFile() { Close(); }
    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&& other) noexcept;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    // Creates a new file for writing; fails when anything at all, a symbolic link included,
    // already has that name, so nothing is ever written through a planted link.
    static NativeFile CreateNew(const std::filesystem::path& path, std::error_code& error);
    // Opens an existing file for reading. Opening never waits (a named pipe does not block).
    static NativeFile OpenForReading(const std::filesystem::path& path, std::error_code& error);
    // Opens an existing file for reading and writing.
    static NativeFile OpenForReadWrite(const std::filesystem::path& path, std::error_code& error);
    // Opens, creating it when missing, a file that is not a symbolic link; falls back to
    // reading only when writing is not allowed. For lock files.
    static NativeFile OpenOrCreateNoLink(const std::filesystem::path& path, bool& writable,
                                         std::error_code& error);

    bool IsOpen() const;
    bool Info(NativeFileInfo& info, std::error_code& error) const;

    // Reads up to bytes.size() bytes at `offset`, fewer only at the end of the file; returns
    // how many were read (0 with `error` set on failure).
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes,
                       std::error_code& error) const;
    // Writes every byte at `offset` or fails.
    bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes, std::error_code& error);
    bool Truncate(std::uint64_t size, std::error_code& error);
    // Pushes what was written down to the disk.
    bool Sync(std::error_code& error);

    // An exclusive lock on the whole file that the system drops when the process ends, however
    // it ends. Returns false without error when another open file holds it.
    bool TryLock(std::error_code& error);

    void Close();

    // True when `path` names the very file this one has open (it was not replaced meanwhile).
    bool IsSameFileAs(const std::filesystem::path& path) const;

  private:
#ifdef _WIN32
    // The file for a handle CreateFileW returned, or a closed one and `error` when it failed.
    static NativeFile Adopt(void* handle, std::error_code& error);
    void* handle_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};

// Renames `from` over `to`, replacing a file of that name in one step (never a folder).
bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error);
// Gives `from` the name `to` only when nothing has that name yet.
bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to,
                     std::error_code& error);
// Flushes a folder's entries (a rename in it) to the disk where the system allows it.
void SyncFolder(const std::filesystem::path& folder);
// A number that differs between running processes.
std::uint64_t ProcessNumber();

}  // namespace ritmora
