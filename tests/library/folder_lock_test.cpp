// The data folder's lock: what a crash or a hostile folder leaves under its name never stops the
// next program; a live holder is named, and only a command-line holder is waited for.
#include "library/folder_lock.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <functional>
#include <thread>

#include "tests/support/test_support.h"

namespace ritmora {
namespace {

namespace fs = std::filesystem;
using Outcome = DataFolderLock::Outcome;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

TEST(DataFolderLock, WhatIsLeftUnderItsNameNeverStopsTheNextHolder) {
    TempFolder folder;
    const fs::path lockFile = folder / DataFolderLock::kFileName;
    WriteText(folder / "victim", "keep");
    std::vector<std::function<void()>> leftovers = {
        [&] { WriteText(lockFile, ""); },
        [&] { WriteText(lockFile, std::string("\x89\xff garbage\0\n\n", 14)); },
        [&] { WriteText(lockFile, "999999\nritmora\nhost\n"); },  // a crashed editor's text
    };
#ifndef _WIN32
    leftovers.push_back([&] { fs::create_symlink(folder / "victim", lockFile); });
    leftovers.push_back([&] { ::mkfifo(lockFile.c_str(), 0600); });
    leftovers.push_back([&folder] {  // held by a process that ended without letting go
        const pid_t child = fork();
        if (child == 0) {
            DataFolderLock lock(folder.path(), FolderUser::Editor);
            _exit(lock.TryAcquire() == Outcome::Acquired ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_EQ(status, 0);
    });
#endif
    for (const auto& leave : leftovers) {
        fs::remove(lockFile);
        leave();
        DataFolderLock lock(folder.path(), FolderUser::Editor);
        EXPECT_EQ(lock.TryAcquire(), Outcome::Acquired);
    }
    EXPECT_EQ(ReadText(folder / "victim"), "keep");

    // A folder under the lock's name is kept: no lock can be had there.
    fs::remove(lockFile);
    fs::create_directory(lockFile);
    EXPECT_EQ(DataFolderLock(folder.path(), FolderUser::Editor).TryAcquire(), Outcome::Unavailable);
    EXPECT_TRUE(fs::is_directory(lockFile));
}

TEST(DataFolderLock, ALiveHolderIsNamedAndOnlyTheCommandLineIsWaitedFor) {
    TempFolder folder;
    DataFolderLock editor(folder.path(), FolderUser::Editor);
    DataFolderLock run(folder.path(), FolderUser::CommandLine);
    DataFolderLock other(folder.path(), FolderUser::CommandLine);
    ASSERT_EQ(editor.TryAcquire(), Outcome::Acquired);
    EXPECT_EQ(run.Acquire(std::chrono::seconds(30)), Outcome::HeldByEditor);  // not waited for
    editor.Release();
    EXPECT_EQ(ReadText(folder / DataFolderLock::kFileName), "");  // names no holder any more

    ASSERT_EQ(run.TryAcquire(), Outcome::Acquired);
    EXPECT_EQ(editor.TryAcquire(), Outcome::HeldByCommandLine);
    EXPECT_EQ(other.Acquire(std::chrono::milliseconds(0)), Outcome::HeldByCommandLine);
    std::thread finish([&run] { run.Release(); });
    EXPECT_EQ(other.Acquire(std::chrono::minutes(1)), Outcome::Acquired);
    finish.join();
}

}  // namespace
}  // namespace ritmora
