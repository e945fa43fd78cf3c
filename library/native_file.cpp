#include "library/native_file.h"

#include <algorithm>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace ritmora {

NativeFile::NativeFile(NativeFile&& other) noexcept { *this = std::move(other); }

#ifdef _WIN32

namespace {

std::error_code LastError() {
    return std::error_code(static_cast<int>(GetLastError()), std::system_category());
}

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED place{};
    place.Offset = static_cast<DWORD>(offset);
    place.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return place;
}

// Lock files are locked at a byte far beyond their content: a Windows lock also stops reads of
// the bytes it covers, and other processes read the content to learn who holds the lock.
constexpr std::uint64_t kLockedByte = std::uint64_t{1} << 40;

}  // namespace

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

NativeFile NativeFile::Adopt(void* handle, std::error_code& error) {
    NativeFile file;
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastError();
        return file;
    }
    error.clear();
    file.handle_ = handle;
    return file;
}

NativeFile NativeFile::CreateNew(const std::filesystem::path& path, std::error_code& error) {
    return Adopt(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr),
                 error);
}

NativeFile NativeFile::OpenForReading(const std::filesystem::path& path, std::error_code& error) {
    return Adopt(CreateFileW(path.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                 error);
}

NativeFile NativeFile::OpenForReadWrite(const std::filesystem::path& path, std::error_code& error) {
    return Adopt(
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
        error);
}

NativeFile NativeFile::OpenOrCreateNoLink(const std::filesystem::path& path, bool& writable,
                                          std::error_code& error) {
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
    writable = true;
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                                OPEN_ALWAYS, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
        writable = false;
        handle =
            CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, flags, nullptr);
    }
    return Adopt(handle, error);
}

bool NativeFile::IsOpen() const { return handle_ != nullptr; }

bool NativeFile::Info(NativeFileInfo& info, std::error_code& error) const {
    BY_HANDLE_FILE_INFORMATION data{};
    if (!GetFileInformationByHandle(handle_, &data)) {
        error = LastError();
        return false;
    }
    const DWORD notPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    info.regular =
        GetFileType(handle_) == FILE_TYPE_DISK && (data.dwFileAttributes & notPlain) == 0;
    info.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    error.clear();
    return true;
}

std::size_t NativeFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes,
                               std::error_code& error) const {
    std::size_t done = 0;
    error.clear();
    while (done < bytes.size()) {
        OVERLAPPED place = At(offset + done);
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(handle_, bytes.data() + done, want, &got, &place)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            error = LastError();
            return 0;
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

bool NativeFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes,
                         std::error_code& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED place = At(offset + done);
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(handle_, bytes.data() + done, want, &put, &place) || put == 0) {
            error = put == 0 && GetLastError() == 0
                        ? std::make_error_code(std::errc::no_space_on_device)
                        : LastError();
            return false;
        }
        done += put;
    }
    error.clear();
    return true;
}

bool NativeFile::Truncate(std::uint64_t size, std::error_code& error) {
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(handle_, end, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_)) {
        error = LastError();
        return false;
    }
    error.clear();
    return true;
}

bool NativeFile::Sync(std::error_code& error) {
    if (!FlushFileBuffers(handle_)) {
        error = LastError();
        return false;
    }
    error.clear();
    return true;
}

bool NativeFile::TryLock(std::error_code& error) {
    OVERLAPPED place = At(kLockedByte);
    error.clear();
    if (LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &place)) {
        return true;
    }
    const DWORD code = GetLastError();
    if (code != ERROR_LOCK_VIOLATION && code != ERROR_IO_PENDING) error = LastError();
    return false;
}

void NativeFile::Close() {
    if (handle_ != nullptr) CloseHandle(handle_);
    handle_ = nullptr;
}

bool NativeFile::IsSameFileAs(const std::filesystem::path& path) const {
    HANDLE other = CreateFileW(
        path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (other == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION mine{};
    BY_HANDLE_FILE_INFORMATION theirs{};
    const bool same =
        GetFileInformationByHandle(handle_, &mine) && GetFileInformationByHandle(other, &theirs) &&
        mine.dwVolumeSerialNumber == theirs.dwVolumeSerialNumber &&
        mine.nFileIndexHigh == theirs.nFileIndexHigh && mine.nFileIndexLow == theirs.nFileIndexLow;
    CloseHandle(other);
    return same;
}

bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) {
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = LastError();
        return false;
    }
    error.clear();
    return true;
}

bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to,
                     std::error_code& error) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
        error = LastError();
        return false;
    }
    error.clear();
    return true;
}

void SyncFolder(const std::filesystem::path&) {}  // MOVEFILE_WRITE_THROUGH did it

std::uint64_t ProcessNumber() { return GetCurrentProcessId(); }

#else  // POSIX

namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

int OpenDescriptor(const std::filesystem::path& path, int flags, std::error_code& error) {
    int descriptor;
    do {
        descriptor = ::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY, 0666);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        error = LastError();
    } else {
        error.clear();
    }
    return descriptor;
}

}  // namespace

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept {
    if (this != &other) {
        Close();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

NativeFile NativeFile::CreateNew(const std::filesystem::path& path, std::error_code& error) {
    NativeFile file;
    file.descriptor_ = OpenDescriptor(path, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW, error);
    return file;
}

NativeFile NativeFile::OpenForReading(const std::filesystem::path& path, std::error_code& error) {
    NativeFile file;
    // Not blocking: opening a named pipe must not wait for a writer.
    file.descriptor_ = OpenDescriptor(path, O_RDONLY | O_NONBLOCK, error);
    return file;
}

NativeFile NativeFile::OpenForReadWrite(const std::filesystem::path& path, std::error_code& error) {
    NativeFile file;
    file.descriptor_ = OpenDescriptor(path, O_RDWR | O_NONBLOCK, error);
    return file;
}

NativeFile NativeFile::OpenOrCreateNoLink(const std::filesystem::path& path, bool& writable,
                                          std::error_code& error) {
    NativeFile file;
    writable = true;
    file.descriptor_ = OpenDescriptor(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK, error);
    if (file.descriptor_ < 0 &&
        (error == std::errc::permission_denied || error == std::errc::read_only_file_system)) {
        writable = false;
        file.descriptor_ = OpenDescriptor(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK, error);
    }
    return file;
}

bool NativeFile::IsOpen() const { return descriptor_ >= 0; }

bool NativeFile::Info(NativeFileInfo& info, std::error_code& error) const {
    struct stat data {};
    if (::fstat(descriptor_, &data) != 0) {
        error = LastError();
        return false;
    }
    info.regular = S_ISREG(data.st_mode);
    info.size = data.st_size > 0 ? static_cast<std::uint64_t>(data.st_size) : 0;
    error.clear();
    return true;
}

std::size_t NativeFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes,
                               std::error_code& error) const {
    std::size_t done = 0;
    error.clear();
    while (done < bytes.size()) {
        const ssize_t got = ::pread(descriptor_, bytes.data() + done, bytes.size() - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0) {
            if (errno == EINTR) continue;
            error = LastError();
            return 0;
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool NativeFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes,
                         std::error_code& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(descriptor_, bytes.data() + done, bytes.size() - done,
                                     static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            error = put == 0 ? std::make_error_code(std::errc::no_space_on_device) : LastError();
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    error.clear();
    return true;
}

bool NativeFile::Truncate(std::uint64_t size, std::error_code& error) {
    if (::ftruncate(descriptor_, static_cast<off_t>(size)) != 0) {
        error = LastError();
        return false;
    }
    error.clear();
    return true;
}

bool NativeFile::Sync(std::error_code& error) {
    if (::fsync(descriptor_) != 0) {
        error = LastError();
        return false;
    }
    error.clear();
    return true;
}

bool NativeFile::TryLock(std::error_code& error) {
    error.clear();
    for (;;) {
        if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) error = LastError();
        return false;
    }
}

void NativeFile::Close() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
}

bool NativeFile::IsSameFileAs(const std::filesystem::path& path) const {
    struct stat mine {};
    struct stat theirs {};
    return ::fstat(descriptor_, &mine) == 0 && ::lstat(path.c_str(), &theirs) == 0 &&
           mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        error = LastError();
        return false;
    }
    error.clear();
    return true;
}

bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to,
                     std::error_code& error) {
    // A hard link is made only when the name is free; then the temporary name goes.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        error.clear();
        return true;
    }
    if (errno == EEXIST) {
        error = LastError();
        return false;
    }
    // File systems without hard links: look, then rename.
    struct stat existing {};
    if (::lstat(to.c_str(), &existing) == 0) {
        error = std::make_error_code(std::errc::file_exists);
        return false;
    }
    return RenameOver(from, to, error);
}

void SyncFolder(const std::filesystem::path& folder) {
    const int descriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

std::uint64_t ProcessNumber() { return static_cast<std::uint64_t>(::getpid()); }

#endif

}  // namespace ritmora
