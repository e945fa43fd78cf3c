#pragma once
// Helpers every test program shares: a scratch folder, whole-file reads and writes, a library
// file built from a few records, and running the real ritmora-cli.
#include <gtest/gtest.h>
#ifdef RITMORA_CLI_PATH
#include <sys/wait.h>  // RunCli below
#include <unistd.h>
#endif

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "library/usul_record.h"

namespace ritmora::testing {

// A fresh folder per test (named after it), removed afterwards even if made read-only. Its name
// holds Turkish letters, so all file code is tried on a path that Windows cannot spell in a
// narrow code page; `stem` replaces them where a test hands paths to another program.
class TempFolder {
  public:
    explicit TempFolder(std::u8string_view stem = u8"ritmora-çalışma") {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "-";
        if (info != nullptr) name += std::string(info->test_suite_name()) + "-" + info->name();
        std::random_device device;
        name += "-" + std::to_string(device()) + std::to_string(device());
        path_ = std::filesystem::temp_directory_path() / (std::filesystem::path(stem) += name);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        // Windows refuses to delete a file with the read-only attribute.
        std::error_code walk;
        for (std::filesystem::recursive_directory_iterator it(path_, walk), end; !walk && it != end;
             it.increment(walk)) {
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    int FileCount() const {
        int count = 0;
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error)) {
            if (entry.is_regular_file()) ++count;
        }
        return count;
    }

  private:
    std::filesystem::path path_;
};

// Whether a file made read-only in `folder` can still be opened for writing: root ignores the
// permission bits (so does wine run by root, though Windows' read-only attribute stops everyone).
inline bool ReadOnlyIsIgnored(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / "read-only-probe";
    { std::ofstream create(probe); }
    std::error_code ignored;
    std::filesystem::permissions(probe, std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace, ignored);
    const bool writable = std::ofstream(probe, std::ios::app).is_open();
    std::filesystem::permissions(probe, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove(probe, ignored);
    return writable;
}

// A command line for std::system. Windows' command processor drops the first and the last
// quote of a line that begins with one, so the whole line is quoted once more there.
inline std::string ShellCommand(const std::string& line) {
#ifdef _WIN32
    return "\"" + line + "\"";
#else
    return line;
#endif
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A whole library file: every slot empty unless `fill` changes it, default settings last.
inline std::vector<std::uint8_t> LibraryBytes(
    const std::function<void(int slot, UsulRecord& record)>& fill) {
    std::vector<std::uint8_t> bytes;
    for (int slot = 1; slot < kRecordCount; ++slot) {
        UsulRecord record = EmptySlotRecord();
        fill(slot, record);
        const RecordBytes encoded = EncodeUsulRecord(record);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    const RecordBytes settings = EncodeSettingsRecord(SettingsRecord{});
    bytes.insert(bytes.end(), settings.begin(), settings.end());
    return bytes;
}

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

#ifdef RITMORA_CLI_PATH
// Exit code, stdout and stderr of `ritmora-cli --dir folder <words>` (words already quoted),
// run by the shell after `shellPrefix` (such as a ulimit). Runs may overlap.
inline CliRun RunCli(const std::filesystem::path& folder, const std::string& words,
                     const std::string& shellPrefix = "") {
    static std::atomic<int> runs{0};
    const std::filesystem::path errFile =
        std::filesystem::temp_directory_path() /
        ("ritmora-cli-err-" + std::to_string(::getpid()) + "-" + std::to_string(runs++));
    const std::string command = shellPrefix + " '" + RITMORA_CLI_PATH + "' --dir '" +
                                folder.string() + "' " + words + " 2>'" + errFile.string() + "'";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.out.append(buffer.data(), got);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadText(errFile);
    std::error_code ignored;
    std::filesystem::remove(errFile, ignored);
    return run;
}

// A scratch folder to run the real ritmora-cli in; the test is skipped when it is not built.
class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(RITMORA_CLI_PATH)) GTEST_SKIP() << "ritmora-cli is not built";
    }
    CliRun Run(const std::string& words, const std::string& shellPrefix = "") {
        return RunCli(folder_.path(), words, shellPrefix);
    }
    static std::string Quoted(const std::filesystem::path& path) {
        return "'" + path.string() + "'";
    }
    TempFolder folder_;
};
#endif

}  // namespace ritmora::testing
