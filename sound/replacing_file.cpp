#include "sound/replacing_file.h"

#include <bit>
#include <system_error>
#include <vector>

namespace ritmora {

namespace {

// "~" + the name keeps the target's extension, so a leftover is swept with the other
// temporary audio files.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& target) {
    std::string name = "~";
    name += target.filename().string();
    return target.parent_path() / name;
}

}  // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target)
    : target_(std::move(target)), temporary_(TemporaryNameFor(target_)) {
    out_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!out_) {
        Fail("cannot create " + temporary_.string());
        return;
    }
    open_ = true;
}

ReplacingFile::~ReplacingFile() {
    if (open_) Abandon();
}

void ReplacingFile::Fail(const std::string& what) {
    if (error_.empty()) error_ = what;
}

void ReplacingFile::Write(std::span<const std::uint8_t> bytes) {
    if (!ok()) return;
    out_.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!out_) Fail("cannot write " + temporary_.string());
    size_ += bytes.size();
}

void ReplacingFile::WriteSamples(std::span<const std::int16_t> samples) {
    if constexpr (std::endian::native == std::endian::little) {
        Write({reinterpret_cast<const std::uint8_t*>(samples.data()), samples.size() * 2});
    } else {
        std::vector<std::uint8_t> bytes(samples.size() * 2);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const auto value = static_cast<std::uint16_t>(samples[i]);
            bytes[2 * i] = static_cast<std::uint8_t>(value);
            bytes[2 * i + 1] = static_cast<std::uint8_t>(value >> 8);
        }
        Write(bytes);
    }
}

void ReplacingFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!ok()) return;
    const auto end = out_.tellp();
    out_.seekp(static_cast<std::streamoff>(offset));
    out_.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    out_.seekp(end);
    if (!out_) Fail("cannot write " + temporary_.string());
    if (offset + bytes.size() > size_) size_ = offset + bytes.size();
}

bool ReplacingFile::Commit() {
    if (!open_) return false;
    out_.close();
    if (!out_) Fail("cannot write " + temporary_.string());
    if (!ok()) {
        Abandon();
        return false;
    }
    std::error_code ignored;
    std::filesystem::remove(target_, ignored);  // an absent or locked old file is no error here
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
        Fail("cannot replace " + target_.string() + ": " + error.message());
        Abandon();
        return false;
    }
    open_ = false;
    return true;
}

void ReplacingFile::Abandon() {
    if (out_.is_open()) out_.close();
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    open_ = false;
}

std::string ReplaceFileContent(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes) {
    ReplacingFile file(target);
    file.Write(bytes);
    if (!file.Commit()) return file.error();
    return {};
}

RenderedWavCommit CommitRenderedWav(ReplacingFile& out) {
    constexpr std::uint64_t kHeaderBytes = 44;
    constexpr double kBytesPerMs = 88.2;  // 44 100 Hz, 16-bit, mono
    RenderedWavCommit commit;
    const std::uint64_t length = out.Size();
    if (out.Commit()) {
        commit.written = true;
        commit.playDurationMs = static_cast<double>(length - kHeaderBytes) / kBytesPerMs;
    } else {
        commit.error = out.error();
        std::error_code ignored;
        std::filesystem::remove(out.target(), ignored);
    }
    return commit;
}

}  // namespace ritmora
