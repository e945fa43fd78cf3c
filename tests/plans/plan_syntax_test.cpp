#include "plans/plan_syntax.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ritmora {
namespace {

using Fields = std::vector<std::string>;

TEST(LeadingNumber, ReadsTheLongestLeadingDecimalNumber) {
    EXPECT_EQ(LeadingNumber("49-"), 49);
    EXPECT_EQ(LeadingNumber("-48"), -48);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("4.0"), 4);
    EXPECT_EQ(LeadingNumber("  208.5x"), 208.5);
    EXPECT_EQ(LeadingNumber("1e2"), 100);
    EXPECT_EQ(LeadingNumber("1e"), 1);
    EXPECT_EQ(LeadingNumber("1e-"), 1);
    EXPECT_EQ(LeadingNumber("25E-1"), 2.5);
    EXPECT_EQ(LeadingNumber("+7"), 7);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("84>50"), 84);
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
}

TEST(Blanks, CollapseAndSplitKeepEmptyFields) {
    EXPECT_EQ(CollapseBlanks("a    b  c "), "a b c ");
    EXPECT_EQ(CollapseBlanks("   "), " ");
    EXPECT_EQ(SplitAtBlanks("a"), Fields{"a"});
    EXPECT_EQ(SplitAtBlanks(""), Fields{""});
    EXPECT_EQ(SplitAtBlanks(" a"), (Fields{"", "a"}));
    EXPECT_EQ(SplitAtBlanks("a b "), (Fields{"a", "b", ""}));
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(SplitLines, AcceptsCrLfBareLfAndBareCr) {
    EXPECT_EQ(SplitLines("a\r\nb"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\n"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitLines("a\rb\r\n\r\nc"), (Fields{"a", "b", "", "c"}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(FoldTurkishLetters, ReplacesTheTwelveLettersOnly) {
    EXPECT_EQ(FoldTurkishLetters("ıİÇçŞşÖöÜüĞğ"), "iICcSsOoUuGg");
    EXPECT_EQ(FoldTurkishLetters("Hüseyni Peşrevi Lavtacı Tavron"),
              "Huseyni Pesrevi Lavtaci Tavron");
    EXPECT_EQ(FoldTurkishLetters("Kâr-ı nâtık"), "Kâr-i nâtik");
}

TEST(IsUsableFileStem, RefusesWhatCannotBeAFileNameInTheFolder) {
    EXPECT_TRUE(IsUsableFileStem("Calisma G"));
    EXPECT_TRUE(IsUsableFileStem("a.b"));
    EXPECT_TRUE(IsUsableFileStem("Kâr"));
    EXPECT_TRUE(IsUsableFileStem("CONSOLE"));
    for (const char* bad : {"",     " ",     "   ", " a",  "a ",   "..",     "../x", "a..b",
                            "a/b",  "a\\b",  "C:x", "a*",  "a?",   "a\"b",   "<a>",  "a|b",
                            "a\tb", "a\x7f", "CON", "nul", "Com1", "LPT9.x", "aux "}) {
        EXPECT_FALSE(IsUsableFileStem(bad)) << '"' << bad << '"';
    }
}

}  // namespace
}  // namespace ritmora
