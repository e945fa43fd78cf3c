// Runs the real ritmora-cli check-plan against a folder holding the small test library.
#include <gtest/gtest.h>
#include <string>

#include "tests/plans/plan_test_support.h"

namespace ritmora {
namespace {

using testing::CliRun;

class CheckPlanCli : public testing::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        testing::WriteBytes(folder_ / "usuller.usl", testing::SmallLibraryBytes());
    }
    std::string Plan(const std::string& name, const std::string& bytes) {
        testing::WriteText(folder_ / name, bytes);
        return Quoted(folder_ / name);
    }
};

TEST_F(CheckPlanCli, PrintsTheSavedColumnsAndWritesNothing) {
    const std::string file = Plan("typed.txt", "a   165 2 4 84\n\n  b 165 49- 4 84>50\n");
    const CliRun run = Run("check-plan " + file);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "a                  165   2     4    84     \n"
              "b                  165   49-   4    84>50  \n");
    EXPECT_EQ(testing::ReadText(folder_.path() / "typed.txt"),
              "a   165 2 4 84\n\n  b 165 49- 4 84>50\n");
}

TEST_F(CheckPlanCli, PrintsTheWindowsMessageWithTheLineNumber) {
    const std::string file = Plan("bad.txt", "a 165 2 4 84\r\n\r\nb 165 2 4 19.9\r\n");
    CliRun run = Run("check-plan " + file);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Metronom çok düşük.  Satır: 2\n");
    run = Run("--lang en check-plan " + file);
    EXPECT_EQ(run.err, "BpM is less than minimum.  Line: 2\n");
    EXPECT_TRUE(run.out.empty());
}

TEST_F(CheckPlanCli, NameAndUsageErrors) {
    const std::string file = Plan("ok.txt", "a 165 2 4 84");
    const std::pair<std::string, int> cases[] = {{file + " --name 'a/b'", 1},
                                                 {file + " --name ''", 1},
                                                 {"", 2},
                                                 {file + " --name", 2},
                                                 {file + " extra", 2},
                                                 {"'" + (folder_ / "none.txt").string() + "'", 1}};
    for (const auto& [words, exitCode] : cases) {
        EXPECT_EQ(Run("check-plan " + words).exitCode, exitCode) << words;
    }
    EXPECT_EQ(Run("--lang en check-plan " + file + " --name ''").err,
              "Please give a name to this plan.\n");
}

}  // namespace
}  // namespace ritmora
