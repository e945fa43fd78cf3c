#pragma once
// A file replaced whole: written under a temporary name in the same folder and renamed over the
// target only when complete, so that a failed write never leaves a half-written file under the
// real name.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace ritmora {

class ReplacingFile {
  public:
    explicit ReplacingFile(std::filesystem::path target);
    ~ReplacingFile();  // abandons the temporary file unless committed
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    void Write(std::span<const std::uint8_t> bytes);
    void WriteSamples(std::span<const std::int16_t> samples);  // little-endian
    void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    std::uint64_t Size() const { return size_; }

    // Deletes the old target (its absence is no error) and renames the temporary file over it.
    bool Commit();
    // Deletes the temporary file; the target stays as it was.
    void Abandon();

    const std::filesystem::path& target() const { return target_; }

  private:
    void Fail(const std::string& what);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream out_;
    std::uint64_t size_ = 0;
    bool open_ = false;
    std::string error_;
};

// Writes `bytes` as the whole new content of `target`; "" or the reason it failed.
std::string ReplaceFileContent(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes);

// Commits a rendered WAV file (header included). On success sets `written` and the playing time
// in milliseconds that the file's samples last; on failure keeps the reason and removes the old
// target, so stale audio is never played as if it were new.
struct RenderedWavCommit {
    bool written = false;
    double playDurationMs = 0;
    std::string error;
};
RenderedWavCommit CommitRenderedWav(ReplacingFile& out);

}  // namespace ritmora
