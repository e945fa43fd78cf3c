// ritmora-cli export-jpg and export-pdf, run as a user runs them.
#include <gtest/gtest.h>
#include <QImageReader>

#include "export/qt/offscreen_notation.h"
#include "tests/export/export_test_support.h"

namespace ritmora {
namespace {

using testing::CliRun;
using testing::ReadText;
using testing::RunCli;

class CliExport : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(RITMORA_CLI_PATH)) GTEST_SKIP() << "ritmora-cli not built";
    }
    testing::TempFolder folder;
};

TEST_F(CliExport, WritesTheSlotsPictureOrPageIntoVlvlOrTheChosenFile) {
    const CliRun jpg = RunCli(folder.path(), "export-jpg 38");  // Aksak 9/8 of the default library
    ASSERT_EQ(jpg.exitCode, 0) << jpg.err;
    const std::filesystem::path picture = folder.path() / "vlvl" / "9-8  Aksak.jpg";
    EXPECT_EQ(jpg.out, picture.string() + "\n");
    QImageReader reader(PathToQString(picture));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size().height(), 210);

    const CliRun pdf = RunCli(folder.path(), "export-pdf 38");
    ASSERT_EQ(pdf.exitCode, 0) << pdf.err;
    const std::filesystem::path page = folder.path() / "vlvl" / "9-8  Aksak.pdf";
    EXPECT_EQ(pdf.out, page.string() + "\n");
    EXPECT_TRUE(ReadText(page).starts_with("%PDF-"));

    const std::filesystem::path out = folder.path() / "pic.jpg";
    testing::WriteText(out, "old");
    const CliRun chosen = RunCli(folder.path(), "export-jpg --out '" + out.string() + "' 32");
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
    EXPECT_EQ(chosen.out, out.string() + "\n");
    EXPECT_EQ(QImageReader(PathToQString(out)).format(), "jpeg");
}

TEST_F(CliExport, EmptySlotAndUsageErrors) {
    const CliRun empty = RunCli(folder.path(), "--lang en export-jpg 250");
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "              No beats !             \n");  // no Qt noise either
    EXPECT_TRUE(empty.out.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "vlvl"));
    EXPECT_EQ(RunCli(folder.path(), "export-pdf 250").exitCode, 1);
    for (const char* words : {"export-jpg", "export-jpg 0", "export-jpg 256", "export-jpg x",
                              "export-jpg 38 39", "export-jpg 38 --out", "export-pdf 38 --out"}) {
        EXPECT_EQ(RunCli(folder.path(), words).exitCode, 2) << words;
    }
}

}  // namespace
}  // namespace ritmora
