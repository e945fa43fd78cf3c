#include "plans/plan_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "library/cp1254.h"
#include "plans/plan_file.h"
#include "plans/plan_messages.h"
#include "tests/plans/plan_test_support.h"

namespace ritmora {
namespace {

class ValidatePlanTest : public testing::LibraryFixture {
  protected:
    PlanCheckResult Check(const std::string& text, const std::string& name = "plan") {
        return ValidatePlan(text, name, library());
    }
};

TEST_F(ValidatePlanTest, WorkedExampleBecomesFixedColumns) {
    const PlanCheckResult result = Check(
        "  Birinci_hane   165  2    4   84\r\nTeslim_ilk 165 1 4 84   \r\n\r\n"
        "   Teslim_son    165   -48 4 84\r\nFinal 165 49- 4   84>50",
        "Hüseyni Peşrevi Lavtacı Tavron");
    ASSERT_EQ(result.messageIndex, 0);
    EXPECT_EQ(result.passageNames,
              (std::vector<std::string>{"Birinci_hane", "Teslim_ilk", "Teslim_son", "Final"}));
    EXPECT_EQ(result.fileName, "Huseyni Pesrevi Lavtaci Tavron.txt");
    EXPECT_EQ(result.normalisedText,
              "Birinci_hane       165   2     4    84     \r\n"
              "Teslim_ilk         165   1     4    84     \r\n"
              "Teslim_son         165   -48   4    84     \r\n"
              "Final              165   49-   4    84>50  ");
}

// Every field at its widest, and numbers in their shortest exact form: a column cut one
// character short either cuts a number (refused, or saved as another number) or moves the next.
TEST_F(ValidatePlanTest, SavedLinesHoldEveryFieldWholeInItsColumns) {
    const std::pair<const char*, const char*> cases[] = {
        {"a 00165 0049- 4 84.00000>50", "a                  165   49-   4    84>50  "},
        {"a 165 -048 4.0 20800e-2", "a                  165   -48   4    208    "},
        {"a 1.65e2 abc 16 84.5>+50", "a                  165   0     16   84.5>50"},
        {"Seventeen_letters 12.5 9999 16 100>200", "Seventeen_letters  12.5  9999  16   100>200"},
        {"Çalışma_Çalışma_Ç 165 1 4 84", "Çalışma_Çalışma_Ç  165   1     4    84     "},
        // The name is only a label: a long one is cut.
        {"Uzun_bir_bolum_adi 165 1 4 84", "Uzun_bir_bolum_ad  165   1     4    84     "},
    };
    for (const auto& [typed, saved] : cases) {
        const PlanCheckResult result = Check(std::string("b 165 1 4 84\r\n") + typed);
        EXPECT_EQ(result.messageIndex, 0) << typed;
        EXPECT_EQ(result.normalisedText.substr(45), saved) << typed;
    }
}

// Each rule with the values on both sides of its bound. Line numbers count non-blank lines
// only, and the first failing check is the one reported.
TEST_F(ValidatePlanTest, EveryRuleHasItsMessage) {
    // One line per rule; an empty slot passes without a dash but has no beat rings, ring 0
    // names no cell, and without a dash the count is only checked against its column.
    // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"Birinci hane 165 2 4 84", 28}, {"a 165 2 4", 28},
        {"a 0 2 4 84", 29}, {"a 256 2 4 84", 29}, {"a abc 2 4 84", 29}, {"a 255 2 4 84", 0},
        {"a 165 -48- 4 84", 30}, {"a 165 4-8 4 84", 30}, {"a 165 1e-5 4 84", 30},
        {"a 165 -64 4 84", 0}, {"a 165 -65 4 84", 31}, {"a 165 65- 4 84", 31},
        {"a 200 -1 4 84", 31}, {"a 165 0- 4 84", 31}, {"a 165 - 4 84", 31}, {"a 165 0 4 84", 0},
        {"a 165 9999 4 84", 0}, {"a 165 10000 4 84", kPlanRepeatsTooLargeMessage},
        {"a 165 1e9 4 84", kPlanRepeatsTooLargeMessage},
        {"a 165 9998.5 4 84", kPlanFieldTooWideMessage},
        {"a 165 1 2 84", 0}, {"a 165 1 32 84", 32}, {"a 165 1 3 84", 32},
        {"a 165 1 4 208", 0}, {"a 165 1 4 208.5", 33}, {"a 165 1 4 20", 0}, {"a 165 1 4 19.9", 34},
        {"a 165 1 4 84>50>40", 35}, {"a 165 1 4 209>50", 36}, {"a 165 1 4 >50", 37},
        {"a 165 1 4 84>209", 38}, {"a 165 1 4 84>", 39}, {"a 165 1 4 208>20", 0},
        {"a 165 1 4 84.25>50.5", kPlanFieldTooWideMessage}, {"a 0 4-8 32 300", 29}};
    // clang-format on
    for (const auto& [line, message] : cases) {
        const PlanCheckResult result =
            Check("a 165 1 4 84\r\nb 12 2 8 100\r\n   \r\n" + std::string(line) + "\nc 165 1 4 84");
        EXPECT_EQ(result.messageIndex, message) << line;
        EXPECT_EQ(result.line, message == 0 ? 0 : 3) << line;
    }
    EXPECT_EQ(Check("", "").messageIndex, 27);
    EXPECT_EQ(Check("a 165 1 4 84", "").messageIndex, 26);
    EXPECT_EQ(Check("   \r\n\r\n  ", "x").messageIndex, 27);
    EXPECT_EQ(PlanCheckMessage(Language::English, kPlanRepeatsTooLargeMessage, 4),
              "Repeat count is greater than 9999.  Line: 4");
}

TEST_F(ValidatePlanTest, PlanNamesAreFoldedOrRefused) {
    EXPECT_EQ(Check("a 165 1 4 84", "  Çalışma Ğ ").fileName, "Calisma G.txt");
    for (const char* bad : {"   ", "../x", "a/b", "a:b", "x?", "..", "NUL"}) {
        const PlanCheckResult result = Check("a 165 1 4 84", bad);
        EXPECT_EQ(result.messageIndex, kUnusablePlanName) << bad;
        EXPECT_TRUE(result.fileName.empty());
    }
    EXPECT_NE(PlanNameRefusalText(true), PlanNameRefusalText(false));
}

TEST_F(ValidatePlanTest, WritesWindows1254WithAFinalLineBreakAndReplaces) {
    const PlanCheckResult result = Check("Çalışma 165 1 4 84", "Çalışma Ğ");
    ASSERT_EQ(result.messageIndex, 0);
    std::string error;
    ASSERT_TRUE(WritePlanFile(folder(), result, &error)) << error;
    const std::filesystem::path file = folder() / "Calisma G.txt";
    const std::string bytes = testing::ReadText(file);
    EXPECT_EQ(bytes, Utf8ToCp1254(result.normalisedText) + "\r\n");
    EXPECT_EQ(bytes.substr(0, 2), "\xC7\x61");  // Ç a

    const PlanCheckResult second = Check("b 165 2 4 84", "Çalışma Ğ");
    {
        // Another program reading the plan: Windows refuses to replace a file that is open, and
        // the plan must then stay whole; elsewhere the reader keeps the old one.
        std::ifstream reader(file, std::ios::binary);
#ifdef _WIN32
        EXPECT_FALSE(WritePlanFile(folder(), second, &error));
        EXPECT_EQ(testing::ReadText(file), bytes);
#else
        EXPECT_TRUE(WritePlanFile(folder(), second, &error)) << error;
#endif
    }
    ASSERT_TRUE(WritePlanFile(folder(), second, &error)) << error;
    EXPECT_EQ(ReadPlanFileText(file), second.normalisedText);
    // Only the plan and the library are left: no temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder()), {}), 2);

    // Backslashes and drive letters lead out of the folder on Windows, CON to the console.
    PlanCheckResult escape = second;
    for (const char* name : {"../escape.txt", "..\\escape.txt", "C:escape.txt", "CON.txt"}) {
        escape.fileName = name;
        error.clear();
        EXPECT_FALSE(WritePlanFile(folder(), escape, &error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder().parent_path() / "escape.txt"));
    EXPECT_FALSE(WritePlanFile(folder() / "missing", second, &error));
}

}  // namespace
}  // namespace ritmora
