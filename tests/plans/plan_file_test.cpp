#include "plans/plan_file.h"

#include <gtest/gtest.h>

#include "plans/plan_check.h"
#include "tests/plans/plan_test_support.h"

namespace ritmora {
namespace {

using testing::LibraryFixture;
using testing::TempFolder;
using testing::WriteText;
using Names = std::vector<std::string>;

TEST(ReadPlanFileText, JoinsLinesWithCrLfWithoutTheFinalBreak) {
    TempFolder folder;
    const auto file = folder.path() / "p.txt";
    WriteText(file, "a 1\r\nb 2\r\n");
    EXPECT_EQ(ReadPlanFileText(file), "a 1\r\nb 2");
    WriteText(file, "a 1\nb 2\n\n");  // typed on Linux, with an empty last line
    EXPECT_EQ(ReadPlanFileText(file), "a 1\r\nb 2\r\n");
    WriteText(file, "a 1\rb 2");
    EXPECT_EQ(ReadPlanFileText(file), "a 1\r\nb 2");
    WriteText(file, "");
    EXPECT_EQ(ReadPlanFileText(file), "");
    EXPECT_EQ(ReadPlanFileText(folder.path() / "missing.txt"), "");
    EXPECT_FALSE(TryReadPlanFileText(folder.path() / "missing.txt").has_value());
}

TEST(ReadPlanFileText, DecodesWindows1254AndUtf8) {
    TempFolder folder;
    const auto file = folder.path() / "p.txt";
    WriteText(file, "\xC7\x61l\xFD\xFEma 165\r\n");  // Çalışma in Windows-1254
    EXPECT_EQ(ReadPlanFileText(file), "Çalışma 165");
    WriteText(file, "Çalışma 165\n");
    EXPECT_EQ(ReadPlanFileText(file), "Çalışma 165");
    WriteText(file,
               "\xEF\xBB\xBF"
               "Ğ 1");  // a byte-order mark is not part of the name
    EXPECT_EQ(ReadPlanFileText(file), "Ğ 1");
}

TEST(PlanFiles, NamesPassagesAndListing) {
    EXPECT_EQ(PlanNameFromFileName("a.txt.txt"), "a");
    EXPECT_EQ(PlanNameFromFileName("Calisma.txt"), "Calisma");
    EXPECT_EQ(PlanNameFromFileName("b.TXT"), "b.TXT");

    EXPECT_EQ(PassageNamesOf("Birinci_hane       165   2\r\nFinal  165\r\n"),
              (Names{"Birinci_hane", "Final"}));
    EXPECT_EQ(PassageNamesOf(" x 165"), Names{""});  // not trimmed: a leading blank names ""
    EXPECT_EQ(PassageNamesOf("a 1\r\n   \r\nb 2"), (Names{"a", "b"}));
    EXPECT_TRUE(PassageNamesOf("").empty());

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

class ReadPlanForRenderingTest : public LibraryFixture {};

TEST_F(ReadPlanForRenderingTest, WorkedExampleBecomesFourPassages) {
    const PlanCheckResult saved = ValidatePlan(
        "Birinci_hane 165 2 4 84\r\nTeslim_ilk 165 1 4 84\r\nTeslim_son 165 -48 4 84\r\n"
        "Final 165 49- 4 84>50",
        "Huseyni", library());
    ASSERT_EQ(saved.messageIndex, 0);
    ASSERT_TRUE(WritePlanFile(folder(), saved, nullptr));
    const PlanReadResult plan =
        ReadPlanForRendering(ReadPlanFileText(folder() / "Huseyni.txt"), library());
    ASSERT_EQ(plan.messageIndex, 0);
    ASSERT_EQ(plan.passages.size(), 4u);
    const int last = testing::kMuhammesRings;
    auto expect = [](const PassageSpec& p, const char* name, int start, int end, int repeats,
                     int intro, int final) {
        EXPECT_EQ(p.name, name);
        EXPECT_EQ(p.usulSlot, 165);
        EXPECT_EQ(p.unit, 4);
        EXPECT_EQ(p.startBeat, start) << name;
        EXPECT_EQ(p.endBeat, end) << name;
        EXPECT_EQ(p.repeats, repeats) << name;
        EXPECT_EQ(p.introBpm, intro) << name;
        EXPECT_EQ(p.finalBpm, final) << name;
    };
    expect(plan.passages[0], "Birinci_hane", 1, last, 2, 84, 84);
    expect(plan.passages[1], "Teslim_ilk", 1, last, 1, 84, 84);
    expect(plan.passages[2], "Teslim_son", 1, 48, 1, 84, 84);
    expect(plan.passages[3], "Final", 49, last, 1, 84, 50);
}

TEST_F(ReadPlanForRenderingTest, ValuesAreRoundedHalfToEven) {
    const PlanReadResult plan = ReadPlanForRendering("a 164.5 2.5 4 84.5>20.5", library());
    ASSERT_EQ(plan.messageIndex, 0);
    EXPECT_EQ(plan.passages[0].usulSlot, 164);
    EXPECT_EQ(plan.passages[0].repeats, 2);
    EXPECT_EQ(plan.passages[0].introBpm, 84);
    EXPECT_EQ(plan.passages[0].finalBpm, 20);
    EXPECT_EQ(ReadPlanForRendering("a 165 abc 4 84", library()).passages[0].repeats, 0);
    EXPECT_EQ(ReadPlanForRendering("a 12 1 4 84", library()).passages[0].endBeat, 3);
}

TEST_F(ReadPlanForRenderingTest, FilesEditedOutsideTheProgramGiveTheFaultAndItsLine) {
    struct Case {
        const char* text;
        int message;
        int line;
    };
    const Case cases[] = {
        {"a 165 1 4 84\r\n\r\nb 165 1 4\r\n", 28, 2},
        {"a 165 1 4 84 x", 28, 1},
        {"a 165 1 4 84\r\nb abc 1 4 84", 29, 2},
        {"a 300 1 4 84", 29, 1},
        {"a 165 1 4 84\nb 165 1 4 84\nc 165 99- 4 84\n", 31, 3},
        {"", 27, 0},
        {"  \r\n", 27, 0},
    };
    for (const Case& c : cases) {
        const PlanReadResult plan = ReadPlanForRendering(c.text, library());
        EXPECT_EQ(plan.messageIndex, c.message) << c.text;
        EXPECT_EQ(plan.line, c.line) << c.text;
        EXPECT_TRUE(plan.passages.empty()) << c.text;
    }
}

}  // namespace
}  // namespace ritmora
