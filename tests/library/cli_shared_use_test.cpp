// ritmora-cli runs sharing a data folder with each other and with the editor: every run writes
// exactly what it writes alone, or writes nothing and says why (tools/cli-shared-use-check runs
// the same with hundreds of pairs).
#include <gtest/gtest.h>

#include <future>
#include <string>

#include "library/folder_lock.h"
#include "tests/support/test_support.h"

namespace ritmora {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;

class CliSharedUse : public testing::CliTest {
  protected:
    // Slots and loudness levels differ, so a run that mixed with the other's sample files, or
    // played the other's rendering, gives other bytes.
    static std::string Render(int run, const fs::path& out) {
        return run == 0 ? "render-usul 24 --medium 0.3 --soft 0.2 --out '" + out.string() + "'"
                        : "render-usul 1 --medium 0.9 --soft 0.8 --out '" + out.string() + "'";
    }
};

TEST_F(CliSharedUse, BesideTheEditorTheCommandLineOnlyReads) {
    ASSERT_EQ(Run("list").exitCode, 0);  // makes the library
    DataFolderLock editor(folder_.path(), FolderUser::Editor);
    ASSERT_EQ(editor.TryAcquire(), DataFolderLock::Outcome::Acquired);
    const CliRun refused = Run("--lang en render-usul 24");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("editor is using this data folder"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder_ / "vlvl"));
    EXPECT_EQ(Run("show 24").exitCode, 0);
}

TEST_F(CliSharedUse, RunsAtOnceWriteTheirOwnBytesOrNothing) {
    std::vector<std::uint8_t> alone[2];
    for (int run : {0, 1}) {
        TempFolder own;
        ASSERT_EQ(RunCli(own.path(), Render(run, own / "out.wav")).exitCode, 0);
        alone[run] = ReadBytes(own / "out.wav");
    }
    for (int pair = 0; pair < 4; ++pair) {
        const fs::path out[2] = {folder_ / ("a" + std::to_string(pair) + ".wav"),
                                 folder_ / ("b" + std::to_string(pair) + ".wav")};
        auto first = std::async(std::launch::async, RunCli, folder_.path(), Render(0, out[0]), "");
        const CliRun second = Run(Render(1, out[1]));
        const CliRun runs[2] = {first.get(), second};
        for (int run : {0, 1}) {
            if (runs[run].exitCode == 0) {
                EXPECT_EQ(ReadBytes(out[run]), alone[run]) << "pair " << pair << " run " << run;
            } else {
                EXPECT_EQ(runs[run].exitCode, 1);
                EXPECT_FALSE(fs::exists(out[run]));
                EXPECT_FALSE(runs[run].err.empty());
            }
        }
    }
}

}  // namespace
}  // namespace ritmora
