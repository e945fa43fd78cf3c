// Reading files the program did not write, and replacing files whole: what a damaged or hostile
// folder, or a full disk, must not be able to do.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#endif

#include "library/checked_read.h"
#include "library/replacing_file.h"
#include "tests/support/test_support.h"

namespace ritmora {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(ReadCheckedFile, OnlyPlainFilesWithinTheLimit) {
    TempFolder folder;
    WriteText(folder / "five", "12345");
    struct Case {
        fs::path path;
        std::uint64_t limit;
        ReadFault fault;
    };
    std::vector<Case> cases = {
        {folder / "five", 5, ReadFault::None},
        {folder / "five", 4, ReadFault::TooLarge},
        {folder / "missing", 5, ReadFault::Missing},
        {folder.path(), 5, ReadFault::NotARegularFile},
    };
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    cases.insert(cases.end(), {
                                  {"/dev/zero", 1 << 20, ReadFault::NotARegularFile},
                                  {folder / "pipe", 5, ReadFault::NotARegularFile},  // no waiting
                                  {"/proc/self/mem", 1 << 20, ReadFault::Unreadable},
                                  {"/proc/self/status", 16, ReadFault::TooLarge},  // says 0 bytes
                              });
#endif
    for (const Case& c : cases) {
        const CheckedRead read = ReadCheckedFile(c.path, c.limit);
        EXPECT_EQ(read.fault, c.fault) << c.path;
        EXPECT_EQ(read.bytes.size(), read.ok() ? 5u : 0u) << c.path;
    }
}

TEST(ReplacingFile, NeverWritesThroughALinkNorReplacesAFolder) {
    TempFolder folder;
    fs::create_directory(folder / "empty");
    EXPECT_NE(ReplaceFileContent(folder / "empty", Bytes("new")), "");
    EXPECT_TRUE(fs::is_directory(folder / "empty"));
    EXPECT_EQ(folder.FileCount(), 0);  // and no temporary file is left
    // No name in use (a file, a link, a dangling link) is created anew or taken by CommitNew.
    WriteText(folder / "victim", "keep");
    {
        std::error_code error;
        EXPECT_FALSE(NativeFile::CreateNew(folder / "victim", error).IsOpen());
        ReplacingFile late(folder / "victim");
        late.Write(Bytes("new"));
        EXPECT_FALSE(late.CommitNew());
    }
    EXPECT_EQ(ReadText(folder / "victim"), "keep");
    EXPECT_EQ(folder.FileCount(), 1);
#ifndef _WIN32
    fs::create_symlink(folder / "victim", folder / "link");
    fs::create_symlink(folder / "nowhere", folder / "dangling");
    for (const char* name : {"link", "dangling"}) {
        std::error_code error;
        EXPECT_FALSE(NativeFile::CreateNew(folder / name, error).IsOpen()) << name;
    }
    // A link as the target is itself replaced; the file it named stays as it was.
    EXPECT_EQ(ReplaceFileContent(folder / "link", Bytes("new")), "");
    EXPECT_FALSE(fs::is_symlink(folder / "link"));
    EXPECT_EQ(ReadText(folder / "link"), "new");
    EXPECT_EQ(ReadText(folder / "victim"), "keep");
    EXPECT_EQ(folder.FileCount(), 2);  // victim and link
#endif
}

#ifndef _WIN32
TEST(ReplacingFile, AFailedWriteKeepsThePreviousFile) {
    TempFolder folder;
    WriteText(folder / "old.wav", "previous");
    // A file-size limit stands in for a full disk: the write fails part-way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ReplacingFile out(folder / "old.wav");
    out.Write(std::vector<std::uint8_t>(100000, 1));
    out.Write(Bytes("more"));  // nothing more is tried after the first failure
    const bool committed = out.Commit();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(committed);
    EXPECT_NE(out.error().find("old.wav: "), std::string::npos) << out.error();
    EXPECT_EQ(ReadText(folder / "old.wav"), "previous");
    EXPECT_EQ(folder.FileCount(), 1);
}
#endif

}  // namespace
}  // namespace ritmora
