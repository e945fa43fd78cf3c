#pragma once
// The one way the programs write a file that they replace whole (rendered audio, samples, plans,
// pictures, a new library): the bytes go into a temporary file created exclusively beside the
// target under a name no one else uses, are flushed to the disk (except the ".---" scratch
// files, rebuilt before each use), and only then is the temporary renamed over the target. A
// failure at any step leaves the target exactly as it was and removes only this writer's own
// temporary file. A folder is never replaced.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "library/native_file.h"

namespace ritmora {

class ReplacingFile {
  public:
    explicit ReplacingFile(std::filesystem::path target);
    ~ReplacingFile();  // abandons the temporary file unless committed
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False from the first failure on; later writes do nothing.
    bool ok() const { return error_.empty(); }
    // "<file>: <reason>" of the first failure.
    const std::string& error() const { return error_; }

    void Write(std::span<const std::uint8_t> bytes);
    void WriteSamples(std::span<const std::int16_t> samples);  // little-endian
    void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    std::uint64_t Size() const { return size_; }

    // Renames the finished file over the target.
    bool Commit();
    // Gives the finished file the target's name only when no file has that name yet.
    bool CommitNew();
    // Deletes the temporary file; the target stays as it was.
    void Abandon();

    const std::filesystem::path& target() const { return target_; }

  private:
    void Fail(const std::filesystem::path& file, const std::error_code& reason);
    bool Finish(bool replace);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    NativeFile file_;
    std::uint64_t size_ = 0;
    bool open_ = false;
    std::string error_;
};

// Writes `bytes` as the whole new content of `target`; "" or the reason it failed.
std::string ReplaceFileContent(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes);

}  // namespace ritmora
