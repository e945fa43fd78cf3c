#include "plans/plan_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "plans/plan_check.h"
#include "tests/plans/plan_test_support.h"

namespace ritmora {
namespace {

using testing::TempFolder;
using testing::WriteText;
using Names = std::vector<std::string>;

TEST(ReadPlanFileText, JoinsLinesWithCrLfAndDecodesWindows1254OrUtf8) {
    TempFolder folder;
    const auto file = folder.path() / "p.txt";
    const std::pair<std::string, std::string> cases[] = {
        {"a 1\r\nb 2\r\n", "a 1\r\nb 2"},
        {"a 1\nb 2\n\n", "a 1\r\nb 2\r\n"},  // typed on Linux, with an empty last line
        {"a 1\rb 2", "a 1\r\nb 2"},
        {"", ""},
        {"\xC7\x61l\xFD\xFEma 165\r\n", "Çalışma 165"},
        {"Çalışma 165\n", "Çalışma 165"},
        {"\xEF\xBB\xBF"
         "Ğ 1",
         "Ğ 1"},  // a byte-order mark is not part of the name
    };
    for (const auto& [bytes, text] : cases) {
        WriteText(file, bytes);
        EXPECT_EQ(ReadPlanFileText(file), text) << bytes;
    }
    EXPECT_EQ(ReadPlanFileText(folder.path() / "missing.txt"), "");
    EXPECT_FALSE(TryReadPlanFileText(folder.path() / "missing.txt").has_value());
}

TEST(PlanFiles, NamesPassagesAndListing) {
    EXPECT_EQ(PlanNameFromFileName("a.txt.txt"), "a");
    EXPECT_EQ(PlanNameFromFileName("b.TXT"), "b.TXT");
    EXPECT_EQ(PassageNamesOf("Birinci_hane       165   2\r\n   \r\nFinal  165\r\n"),
              (Names{"Birinci_hane", "Final"}));
    EXPECT_EQ(PassageNamesOf(" x 165"), Names{""});  // not trimmed: a leading blank names ""

    TempFolder folder;
    for (const char* name : {"b.txt", "A.txt", "c.TXT", "note.md", "a.txt.bak"}) {
        WriteText(folder.path() / name, "x");
    }
    std::filesystem::create_directory(folder.path() / "dir.txt");
    Names listed;
    for (const auto& path : ListPlanFiles(folder.path()))
        listed.push_back(path.filename().string());
    EXPECT_EQ(listed, (Names{"A.txt", "b.txt", "c.TXT"}));
    EXPECT_TRUE(ListPlanFiles(folder.path() / "missing").empty());
}

class ReadPlanForRenderingTest : public testing::LibraryFixture {};

// Name, slot, first and last ring, repeats, unit, starting and final BpM of each passage.
std::vector<std::tuple<std::string, int, int, int, int, int, int, int>> Passages(
    const PlanReadResult& plan) {
    std::vector<std::tuple<std::string, int, int, int, int, int, int, int>> rows;
    for (const PassageSpec& p : plan.passages) {
        rows.emplace_back(p.name, p.usulSlot, p.startBeat, p.endBeat, p.repeats, p.unit, p.introBpm,
                          p.finalBpm);
    }
    return rows;
}

TEST_F(ReadPlanForRenderingTest, SavedWorkedExampleBecomesFourPassages) {
    const PlanCheckResult saved = ValidatePlan(
        "Birinci_hane 165 2 4 84\r\nTeslim_ilk 165 1 8 84\r\nTeslim_son 165 -48 4 84\r\n"
        "Final 165 49- 16 84>50",
        "Huseyni", library());
    ASSERT_TRUE(WritePlanFile(folder(), saved, nullptr));
    const PlanReadResult plan =
        ReadPlanForRendering(ReadPlanFileText(folder() / "Huseyni.txt"), library());
    ASSERT_EQ(plan.messageIndex, 0);
    const int last = testing::kMuhammesRings;
    EXPECT_EQ(Passages(plan), (decltype(Passages(plan)){
                                  {"Birinci_hane", 165, 1, last, 2, 4, 84, 84},
                                  {"Teslim_ilk", 165, 1, last, 1, 8, 84, 84},
                                  {"Teslim_son", 165, 1, 48, 1, 4, 84, 84},
                                  {"Final", 165, 49, last, 1, 16, 84, 50},
                              }));
    // Values are rounded half to even; a count that is no number plays nothing.
    EXPECT_EQ(
        Passages(ReadPlanForRendering("a 164.5 2.5 4 84.5>20.5\r\nb 165 abc 2 84", library())),
        (decltype(Passages(plan)){{"a", 164, 1, 0, 2, 4, 84, 20},
                                  {"b", 165, 1, last, 0, 2, 84, 84}}));
    EXPECT_EQ(ReadPlanForRendering("a 12 1 4 84", library()).passages.at(0).endBeat, 3);
}

// A file edited outside the program meets the same rules as a saved one.
TEST_F(ReadPlanForRenderingTest, FilesEditedOutsideTheProgramGiveTheFaultAndItsLine) {
    const std::tuple<const char*, int, int> cases[] = {
        {"a 165 1 4 84\r\n\r\nb 165 1 4\r\n", 28, 2},
        {"a 165 1 4 84\r\nb abc 1 4 84", 29, 2},
        {"a 165 1 4 84\nb 165 1 4 84\nc 165 99- 4 84\n", 31, 3},
        {"a 165 1 4 19", 34, 1},
        {"  \r\n", 27, 0},
    };
    for (const auto& [text, message, line] : cases) {
        const PlanReadResult plan = ReadPlanForRendering(text, library());
        EXPECT_EQ(plan.messageIndex, message) << text;
        EXPECT_EQ(plan.line, line) << text;
        EXPECT_TRUE(plan.passages.empty()) << text;
    }
}

}  // namespace
}  // namespace ritmora
