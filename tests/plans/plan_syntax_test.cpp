#include "plans/plan_syntax.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ritmora {
namespace {


TEST(LeadingNumber, ReadsTheLongestLeadingDecimalNumber) {
    const std::pair<const char*, double> cases[] = {
        {"49-", 49}, {"-48", -48},   {"abc", 0},          {"", 0},
        {"4.0", 4},  {"1e2", 100},   {"  208.5x", 208.5}, {"1e", 1},
        {"1e-", 1},  {"25E-1", 2.5}, {"+7", 7},           {".5", 0.5},
        {"-", 0},    {".", 0},       {"1.2.3", 1.2},      {"84>50", 84},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(LeadingNumber(text), value) << text;
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
}

TEST(PlanSyntax, FileNamesFoldTheTwelveTurkishLettersAndRefuseWhatCannotBeAFile) {
    EXPECT_EQ(FoldTurkishLetters("ıİÇçŞşÖöÜüĞğ Kâr"), "iICcSsOoUuGg Kâr");
    for (const char* good : {"Calisma G", "a.b", "Kâr", "CONSOLE"}) {
        EXPECT_TRUE(IsUsableFileStem(good)) << good;
    }
    for (const char* bad : {"",     " ",     "   ", " a",  "a ",   "..",     "../x", "a..b",
                            "a/b",  "a\\b",  "C:x", "a*",  "a?",   "a\"b",   "<a>",  "a|b",
                            "a\tb", "a\x7f", "CON", "nul", "Com1", "LPT9.x", "aux "}) {
        EXPECT_FALSE(IsUsableFileStem(bad)) << '"' << bad << '"';
    }
}

}  // namespace
}  // namespace ritmora
