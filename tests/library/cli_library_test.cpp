// Runs the real ritmora-cli against a folder holding a library file placed by the test.
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

#include "library/cp1254.h"
#include "library/list_line.h"
#include "library/usul_record.h"
#include "tests/support/test_support.h"

namespace ritmora {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;
using testing::Lines;
using testing::RunCli;

class CliLibrary : public testing::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        const auto file = testing::LibraryBytes([](int slot, UsulRecord& record) {
            if (slot == 12) {
                record.name = "Türk aksağı";
                record.beats = 5;
                record.mertebe = 8;
                record.Cell(1) = {16, 0, 3, "Düm", 0, 0, 0};
                record.Cell(5) = {0, 16, 2, "Tek", 0, 0, 0};
                record.Cell(9) = {0, 8, 1, "Tek", 1, 0, 0};
                record.Cell(20).loudness = 2;  // holds something though it carries no time
                record.totalDuration = 40;
            }
            if (slot == 13) record.name = "a\r\nb\x1b[2J";
        });
        testing::WriteBytes(folder_ / "usuller.usl", file);
    }
};

TEST_F(CliLibrary, ListPrintsAllSlotsWithControlCharactersEscaped) {
    const auto lines = Lines(Run("list").out);
    ASSERT_EQ(lines.size(), 255u);
    EXPECT_EQ(lines[11], " 12    5/8   Türk aksağı" + std::string(29, ' '));
    const std::string shown = "a\\r\\nb\\x1b[2J";  // a name that would steer a terminal
    for (const auto& line : lines) EXPECT_EQ(Utf8Length(line), &line == &lines[12] ? 58u : 53u);
    EXPECT_EQ(lines[12].substr(0, 13 + shown.size()), " 13     /8   " + shown);
    EXPECT_EQ(Lines(Run("show 13").out)[0], "slot 13: " + shown);
    testing::WriteText(folder_.path() / "p.txt", "p\x1b[2J 12 1 8 120\n");
    const CliRun plan = Run("render-plan " + Quoted(folder_ / "p.txt"));
    EXPECT_EQ(plan.out, "1 p\\x1b[2J 2500\n") << plan.err;
}

TEST_F(CliLibrary, ShowPrintsHeaderAndCellsInUse) {
    const CliRun run = Run("--lang en show 12");
    ASSERT_EQ(run.exitCode, 0);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "slot 12: Türk aksağı");
    EXPECT_EQ(lines[1],
              "time signature 5/8, total duration 40, expected total 40, last ring in use 9");
    // Not the default library's slot 12, so nothing is claimed about its source.
    EXPECT_EQ(lines[2], "source: differs from the default library; its source is unknown");
    EXPECT_EQ(lines[4], "   1    16    0        3    \"Düm\"         0");
    EXPECT_EQ(lines[6], "   9     0    8        1    \"Tek\"         1");
    EXPECT_EQ(lines[7], "  20     0    0        2    \"   \"         0");
}

TEST_F(CliLibrary, TheDefaultLibrarySaysWhereEachPatternComesFrom) {
    const testing::TempFolder fresh;  // the default library is written into it
    const auto show = Lines(RunCli(fresh.path(), "--lang en show 130").out);
    ASSERT_GE(show.size(), 4u);
    EXPECT_EQ(show[2], "source: Reconstructed: DİA \"Nim devir\"");
    EXPECT_NE(show[3].find("strengths are the source's: F M P F M F M F P M P."),
              std::string::npos);
    const auto plain = Lines(RunCli(fresh.path(), "list").out);
    const auto english = Lines(RunCli(fresh.path(), "--lang en list --sources").out);
    const auto turkish = Lines(RunCli(fresh.path(), "list --sources").out);
    ASSERT_EQ(english.size(), plain.size());
    ASSERT_EQ(turkish.size(), 255u);
    const std::tuple<int, std::string, std::string> classes[] = {
        {1, "Sourced", "Kaynaklı"},
        {62, "Partly sourced", "Kısmen kaynaklı"},
        {7, "Reconstructed", "Yeniden kurulmuş"},
        {16, "No source found", "Kaynak bulunamadı"},
        {187, "empty", "boş"},
        {231, "user slot", "kullanıcı usulü"}};
    for (const auto& [slot, en, tr] : classes) {
        const auto k = static_cast<std::size_t>(slot - 1);
        EXPECT_EQ(english[k], plain[k] + "  " + en);
        EXPECT_EQ(turkish[k], plain[k] + "  " + tr);
    }
}

TEST_F(CliLibrary, UsageAndFailures) {
    for (const char* words : {"show", "show 0", "show 256", "show 1x", "show 1 2", "list x"}) {
        EXPECT_EQ(Run(words).exitCode, 2) << words;
    }
    // A library of the wrong size is refused with exit 1 and left as it was.
    fs::resize_file(folder_.path() / "usuller.usl", 1000);
    EXPECT_EQ(Run("list").exitCode, 1);
    EXPECT_EQ(fs::file_size(folder_.path() / "usuller.usl"), 1000u);
}

}  // namespace
}  // namespace ritmora
