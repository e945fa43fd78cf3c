#include "library/replacing_file.h"

#include <bit>
#include <cstdio>
#include <random>
#include <system_error>
#include <vector>

namespace ritmora {

namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::uint64_t RandomNumber() {
    thread_local std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{device(), device(), static_cast<unsigned>(ProcessNumber())};
        return std::mt19937_64(seed);
    }();
    return generator();
}

// "~<name>.<16 hex digits>.---": never the name of a file of the user's, never the same in two
// writers at once, and ending in ".---" like the program's other temporary files, so that the
// shutdown sweep of the sound folder takes along any that a crash left behind.
fs::path TemporaryNameFor(const fs::path& target) {
    char unique[17];
    std::snprintf(unique, sizeof unique, "%016llx",
                  static_cast<unsigned long long>(RandomNumber()));
    fs::path name = target.parent_path() / "~";
    name += target.filename();
    name += std::string(".") + unique + ".---";
    return name;
}

// Files ending in ".---" are the program's scratch files (the samples and the rendered audio),
// deleted at shutdown and rebuilt before each use. They skip the flush to the disk, which would
// only delay the first sound by the time it takes to write megabytes out; the rename still
// makes them appear whole.
bool IsScratchFile(const fs::path& path) { return path.extension() == ".---"; }

bool IsFolder(const fs::path& path) {
    std::error_code ignored;
    return fs::is_directory(fs::status(path, ignored)) ||
           fs::is_directory(fs::symlink_status(path, ignored));
}

}  // namespace

ReplacingFile::ReplacingFile(fs::path target) : target_(std::move(target)) {
    if (!target_.has_filename()) {
        Fail(target_, std::make_error_code(std::errc::invalid_argument));
        return;
    }
    if (IsFolder(target_)) {
        Fail(target_, std::make_error_code(std::errc::is_a_directory));
        return;
    }
    std::error_code error;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary_ = TemporaryNameFor(target_);
        file_ = NativeFile::CreateNew(temporary_, error);
        if (file_.IsOpen() || error != std::errc::file_exists) break;
    }
    if (!file_.IsOpen()) {
        Fail(target_, error);
        return;
    }
    open_ = true;
}

ReplacingFile::~ReplacingFile() {
    if (open_) Abandon();
}

void ReplacingFile::Fail(const fs::path& file, const std::error_code& reason) {
    if (error_.empty()) error_ = Utf8(file) + ": " + reason.message();
}

void ReplacingFile::Write(std::span<const std::uint8_t> bytes) { WriteAt(size_, bytes); }

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
    if (!ok() || !open_) return;
    std::error_code error;
    if (!file_.WriteAt(offset, bytes, error)) {
        Fail(target_, error);
        return;
    }
    if (offset + bytes.size() > size_) size_ = offset + bytes.size();
}

bool ReplacingFile::Commit() { return Finish(true); }

bool ReplacingFile::CommitNew() { return Finish(false); }

bool ReplacingFile::Finish(bool replace) {
    if (!open_) return false;
    std::error_code error;
    const bool durable = !IsScratchFile(target_);
    if (ok() && durable && !file_.Sync(error)) Fail(target_, error);
    file_.Close();
    // A folder made under the target's name meanwhile is refused, never replaced.
    if (ok() && IsFolder(target_)) Fail(target_, std::make_error_code(std::errc::is_a_directory));
    if (ok()) {
        const bool renamed = replace ? RenameOver(temporary_, target_, error)
                                     : RenameNoReplace(temporary_, target_, error);
        if (!renamed) Fail(target_, error);
    }
    if (!ok()) {
        Abandon();
        return false;
    }
    open_ = false;
    if (durable) SyncFolder(target_.parent_path());
    return true;
}

void ReplacingFile::Abandon() {
    file_.Close();
    if (open_) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
    }
    open_ = false;
}

std::string ReplaceFileContent(const fs::path& target, std::span<const std::uint8_t> bytes) {
    ReplacingFile file(target);
    file.Write(bytes);
    if (!file.Commit()) return file.error();
    return {};
}

}  // namespace ritmora
