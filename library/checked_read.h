#pragma once
// Reading a whole file the programs did not write themselves (a plan, a stroke sample, a lock):
// only a plain file is read, never more than a limit, and every failure is a value.
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace ritmora {

enum class ReadFault {
    None,
    Missing,          // nothing has that name
    NotARegularFile,  // a folder, a device, a pipe
    TooLarge,         // more bytes than the limit
    Unreadable,       // no permission, or the system could not read it
};

struct CheckedRead {
    std::vector<std::uint8_t> bytes;
    ReadFault fault = ReadFault::None;
    std::error_code error;  // the system's reason for Missing and Unreadable
    bool ok() const { return fault == ReadFault::None; }
};

// Reads `path` whole when it is a plain file of at most `limit` bytes. Files whose reported
// size is not their length (those of /proc) are still cut at the limit: nothing larger is ever
// held in memory.
CheckedRead ReadCheckedFile(const std::filesystem::path& path, std::uint64_t limit);

// The file, and the system's own words for what went wrong when it gave any: the detail shown
// after the message of the fault.
std::string DescribeReadFault(const CheckedRead& read, const std::filesystem::path& path);

}  // namespace ritmora
