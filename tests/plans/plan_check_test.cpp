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

using testing::LibraryFixture;

// The worked example, typed with blanks all over.
constexpr const char* kExample =
    "  Birinci_hane   165  2    4   84\r\n"
    "Teslim_ilk 165 1 4 84   \r\n"
    "\r\n"
    "   Teslim_son    165   -48 4 84\r\n"
    "Final 165 49- 4   84>50";

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

class ValidatePlanTest : public LibraryFixture {
  protected:
    PlanCheckResult Check(const std::string& text, const std::string& name = "plan") {
        return ValidatePlan(text, name, library());
    }
    // The message index and line of a one-line plan (after two good lines and a blank line,
    // so the reported number is 3).
    std::pair<int, int> FaultOf(const std::string& line) {
        const PlanCheckResult result =
            Check("a 165 1 4 84\r\nb 12 2 8 100\r\n   \r\n" + line + "\r\nc 165 1 4 84");
        return {result.messageIndex, result.line};
    }
    int IndexOf(const std::string& line) { return FaultOf(line).first; }
};

TEST_F(ValidatePlanTest, WorkedExampleBecomesFixedColumns) {
    const PlanCheckResult result = Check(kExample, "Hüseyni Peşrevi Lavtacı Tavron");
    ASSERT_EQ(result.messageIndex, 0);
    EXPECT_EQ(result.passageNames,
              (std::vector<std::string>{"Birinci_hane", "Teslim_ilk", "Teslim_son", "Final"}));
    EXPECT_EQ(result.fileName, "Huseyni Pesrevi Lavtaci Tavron.txt");
    const std::string first = "Birinci_hane" + Blanks(7) + "165" + Blanks(3) + "2" + Blanks(5) +
                              "4" + Blanks(4) + "84" + Blanks(5);
    const std::string last =
        "Final" + Blanks(14) + "165" + Blanks(3) + "49-" + Blanks(3) + "4" + Blanks(4) + "84>50  ";
    ASSERT_EQ(first.size(), 43u);
    ASSERT_EQ(last.size(), 43u);
    EXPECT_EQ(result.normalisedText.substr(0, 45), first + "\r\n");
    EXPECT_EQ(result.normalisedText.substr(result.normalisedText.size() - 43), last);
    EXPECT_EQ(result.normalisedText.size(), 4 * 43 + 3 * 2u);
    EXPECT_EQ(last.substr(36, 5), "84>50");  // columns 37-41
}

TEST_F(ValidatePlanTest, EmptyTextThenEmptyNameThenBlankOnlyText) {
    EXPECT_EQ(Check("", "").messageIndex, 27);
    EXPECT_EQ(Check("a 165 1 4 84", "").messageIndex, 26);
    EXPECT_EQ(Check("   \r\n\r\n  ", "x").messageIndex, 27);
    // A name of blanks passes the empty-name test but cannot name a file.
    EXPECT_EQ(Check("a 165 1 4 84", "   ").messageIndex, kUnusablePlanName);
}

TEST_F(ValidatePlanTest, LineNumbersCountNonBlankLinesOnly) {
    EXPECT_EQ(FaultOf("x 165 1 4 300"), std::make_pair(33, 3));
    const PlanCheckResult lf = Check("\n\na 165 1 4 84\n\nb 165 1 4 10\n");
    EXPECT_EQ(lf.messageIndex, 34);
    EXPECT_EQ(lf.line, 2);
}

TEST_F(ValidatePlanTest, FieldCountAndUsulNumber) {
    EXPECT_EQ(IndexOf("Birinci hane 165 2 4 84"), 28);
    EXPECT_EQ(IndexOf("a 165 2 4"), 28);
    EXPECT_EQ(IndexOf("a 0 2 4 84"), 29);
    EXPECT_EQ(IndexOf("a 256 2 4 84"), 29);
    EXPECT_EQ(IndexOf("a abc 2 4 84"), 29);
    EXPECT_EQ(IndexOf("a 255 2 4 84"), 0);  // an empty slot passes without a dash
}

TEST_F(ValidatePlanTest, TimesDashRulesAndBeatRings) {
    EXPECT_EQ(IndexOf("a 165 -48- 4 84"), 30);
    EXPECT_EQ(IndexOf("a 165 4-8 4 84"), 30);
    EXPECT_EQ(IndexOf("a 165 1e-5 4 84"), 30);
    EXPECT_EQ(IndexOf("a 165 -64 4 84"), 0);
    EXPECT_EQ(IndexOf("a 165 -65 4 84"), 31);
    EXPECT_EQ(IndexOf("a 165 65- 4 84"), 31);
    EXPECT_EQ(IndexOf("a 200 -1 4 84"), 31);  // an empty slot has no beat rings
    // Ring 0 names no cell.
    EXPECT_EQ(IndexOf("a 165 0- 4 84"), 31);
    EXPECT_EQ(IndexOf("a 165 -0 4 84"), 31);
    EXPECT_EQ(IndexOf("a 165 - 4 84"), 31);
    // Without a dash the count is not tested, unless it cannot be a count at all.
    EXPECT_EQ(IndexOf("a 165 abc 4 84"), 0);
    EXPECT_EQ(IndexOf("a 165 0 4 84"), 0);
}

TEST_F(ValidatePlanTest, UnitAndMetronomeBounds) {
    EXPECT_EQ(IndexOf("a 165 1 4.0 84"), 0);
    EXPECT_EQ(IndexOf("a 165 1 16 84"), 0);
    EXPECT_EQ(IndexOf("a 165 1 32 84"), 32);
    EXPECT_EQ(IndexOf("a 165 1 3 84"), 32);
    EXPECT_EQ(IndexOf("a 165 1 4 208"), 0);
    EXPECT_EQ(IndexOf("a 165 1 4 20"), 0);
    EXPECT_EQ(IndexOf("a 165 1 4 208.5"), 33);
    EXPECT_EQ(IndexOf("a 165 1 4 19.9"), 34);
    EXPECT_EQ(IndexOf("a 165 1 4 84>"), 39);
    EXPECT_EQ(IndexOf("a 165 1 4 >50"), 37);
    EXPECT_EQ(IndexOf("a 165 1 4 84>50>40"), 35);
    EXPECT_EQ(IndexOf("a 165 1 4 209>50"), 36);
    EXPECT_EQ(IndexOf("a 165 1 4 84>209"), 38);
    // The first failing check is reported.
    EXPECT_EQ(IndexOf("a 0 4-8 32 300"), 29);
}

TEST_F(ValidatePlanTest, NumbersAreSavedInTheirShortestFormAndNothingIsCut) {
    struct Case {
        const char* typed;
        std::vector<std::string> saved;  // the fields as saved, or empty when refused
        int message;
    };
    const Case cases[] = {
        {"a 00165 0049- 4 84.00000>50", {"a", "165", "49-", "4", "84>50"}, 0},
        {"a 165 -048 4.0 20800e-2", {"a", "165", "-48", "4", "208"}, 0},
        {"a 1.65e2 abc 16 84.5>+50", {"a", "165", "0", "16", "84.5>50"}, 0},
        {"Onyedi_harfli_ad 165 9999 4 84", {"Onyedi_harfli_ad", "165", "9999", "4", "84"}, 0},
        {"Çalışma_Çalışma_Ç 165 1 4 84", {"Çalışma_Çalışma_Ç", "165", "1", "4", "84"}, 0},
        {"Uzun_bir_bolum_adi 165 1 4 84", {"Uzun_bir_bolum_ad", "165", "1", "4", "84"}, 0},
        {"a 165 10000 4 84", {}, kPlanRepeatsTooLargeMessage},
        {"a 165 40000 4 84", {}, kPlanRepeatsTooLargeMessage},
        {"a 165 1e9 4 84", {}, kPlanRepeatsTooLargeMessage},
        {"a 165 9998.5 4 84", {}, kPlanFieldTooWideMessage},
        {"a 165 1 4 84.25>50.5", {}, kPlanFieldTooWideMessage},
    };
    for (const Case& c : cases) {
        const PlanCheckResult result = Check(std::string("b 165 1 4 84\r\n") + c.typed);
        EXPECT_EQ(result.messageIndex, c.message) << c.typed;
        if (c.message != 0) {
            EXPECT_EQ(result.line, 2) << c.typed;
            continue;
        }
        EXPECT_EQ(result.normalisedText.substr(45), PlanColumns(c.saved)) << c.typed;
        EXPECT_TRUE(std::string_view(c.typed).starts_with(result.passageNames.back())) << c.typed;
    }
    EXPECT_EQ(PlanCheckMessage(Language::English, kPlanRepeatsTooLargeMessage, 4),
              "Repeat count is greater than 9999.  Line: 4");
}

TEST_F(ValidatePlanTest, PlanNamesAreFoldedOrRefused) {
    EXPECT_EQ(Check("a 165 1 4 84", "  Çalışma Ğ ").fileName, "Calisma G.txt");
    for (const char* bad : {"../x", "a/b", "a:b", "x?", "..", "NUL"}) {
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
    EXPECT_EQ(bytes.size(), 45u);
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
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2);
}

TEST_F(ValidatePlanTest, WriteRefusesNamesOutsideTheFolderAndMissingFolders) {
    PlanCheckResult result = Check("a 165 1 4 84");
    std::string error;
    // Backslashes and drive letters lead out of the folder on Windows, CON to the console.
    for (const char* name : {"../escape.txt", "..\\escape.txt", "C:escape.txt", "CON.txt"}) {
        result.fileName = name;
        error.clear();
        EXPECT_FALSE(WritePlanFile(folder(), result, &error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder().parent_path() / "escape.txt"));
    result.fileName = "plan.txt";
    EXPECT_FALSE(WritePlanFile(folder() / "missing", result, &error));
}

}  // namespace
}  // namespace ritmora
