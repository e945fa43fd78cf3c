// ritmora-cli export-jpg, run as a user runs it.
#include <gtest/gtest.h>
#include <QImageReader>
#include <fstream>

#include "export/qt/offscreen_notation.h"
#include "tests/export/export_test_support.h"

namespace ritmora {
namespace {

using testing::CliRun;
using testing::RunCli;

class CliExport : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(RITMORA_CLI_PATH)) GTEST_SKIP() << "ritmora-cli not built";
    }
    testing::TempFolder folder;
};

TEST_F(CliExport, WritesTheSlotsPictureIntoVlvlAndPrintsItsPath) {
    const CliRun run = RunCli(folder.path(), "export-jpg 38");  // Aksak 9/8 of the default library
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::filesystem::path expected = folder.path() / "vlvl" / "9-8  Aksak.jpg";
    EXPECT_EQ(run.out, expected.string() + "\n");
    QImageReader reader(PathToQString(expected));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size().height(), 210);
    EXPECT_GE(reader.size().width(), 510);
}

TEST_F(CliExport, ExportPdfWritesTheSlotsPageIntoVlvl) {
    const CliRun run = RunCli(folder.path(), "export-pdf 38");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::filesystem::path expected = folder.path() / "vlvl" / "9-8  Aksak.pdf";
    EXPECT_EQ(run.out, expected.string() + "\n");
    EXPECT_TRUE(testing::ReadText(expected).starts_with("%PDF-"));
    EXPECT_EQ(RunCli(folder.path(), "export-pdf 250").exitCode, 1);
    EXPECT_EQ(RunCli(folder.path(), "export-pdf 38 --out").exitCode, 2);
}

TEST_F(CliExport, OutChoosesTheFileAndReplacesIt) {
    const std::filesystem::path out = folder.path() / "pic.jpg";
    std::ofstream(out) << "old";
    const CliRun run = RunCli(folder.path(), "export-jpg --out '" + out.string() + "' 32");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, out.string() + "\n");
    EXPECT_EQ(QImageReader(PathToQString(out)).format(), "jpeg");
}

TEST_F(CliExport, EmptySlotAndUsageErrors) {
    const CliRun empty = RunCli(folder.path(), "--lang en export-jpg 250");
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "              No beats !             \n");  // no Qt noise either
    EXPECT_TRUE(empty.out.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "vlvl"));

    EXPECT_EQ(RunCli(folder.path(), "export-jpg").exitCode, 2);
    EXPECT_EQ(RunCli(folder.path(), "export-jpg 0").exitCode, 2);
    EXPECT_EQ(RunCli(folder.path(), "export-jpg 256").exitCode, 2);
    EXPECT_EQ(RunCli(folder.path(), "export-jpg x").exitCode, 2);
    EXPECT_EQ(RunCli(folder.path(), "export-jpg 38 39").exitCode, 2);
    EXPECT_EQ(RunCli(folder.path(), "export-jpg 38 --out").exitCode, 2);
}

}  // namespace
}  // namespace ritmora
