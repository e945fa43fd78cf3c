#include "library/checked_read.h"

#include <algorithm>

#include "library/native_file.h"

namespace ritmora {

namespace {

ReadFault FaultOfFailedOpen(const std::filesystem::path& path, const std::error_code& error) {
    if (error == std::errc::no_such_file_or_directory) return ReadFault::Missing;
    // Windows refuses to open a folder as a file at all.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return ReadFault::NotARegularFile;
    return ReadFault::Unreadable;
}

}  // namespace

CheckedRead ReadCheckedFile(const std::filesystem::path& path, std::uint64_t limit) {
    CheckedRead read;
    std::error_code error;
    const NativeFile file = NativeFile::OpenForReading(path, error);
    if (!file.IsOpen()) {
        read.fault = FaultOfFailedOpen(path, error);
        read.error = error;
        return read;
    }
    NativeFileInfo info;
    if (!file.Info(info, error)) {
        read.fault = ReadFault::Unreadable;
        read.error = error;
        return read;
    }
    if (!info.regular) {
        read.fault = ReadFault::NotARegularFile;
        return read;
    }
    if (info.size > limit) {
        read.fault = ReadFault::TooLarge;
        return read;
    }
    // The reported size comes first (plus one byte to see the end); a file that says less than
    // it holds is read on in steps, never past one byte over the limit.
    const std::uint64_t cap = limit + 1;
    std::uint64_t step = info.size + 1;
    std::size_t done = 0;
    for (;;) {
        const auto room = static_cast<std::size_t>(std::min<std::uint64_t>(step, cap - done));
        read.bytes.resize(done + room);
        const std::size_t got = file.ReadAt(done, std::span(read.bytes).subspan(done, room), error);
        if (error) {
            read.bytes.clear();
            read.fault = ReadFault::Unreadable;
            read.error = error;
            return read;
        }
        done += got;
        if (done > limit) {
            read.bytes.clear();
            read.fault = ReadFault::TooLarge;
            return read;
        }
        if (got < room) break;
        step = std::uint64_t{1} << 16;
    }
    read.bytes.resize(done);
    return read;
}

std::string DescribeReadFault(const CheckedRead& read, const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    std::string text(utf8.begin(), utf8.end());
    if (read.error) text += ": " + read.error.message();
    return text;
}

}  // namespace ritmora
