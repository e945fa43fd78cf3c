#include "app/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace ritmora {
namespace {

constexpr Language kBoth[] = {Language::English, Language::Turkish};

// Lines of a text joined with CR LF, or -1 when a line break stands alone.
int CrLfLines(const std::string& text) {
    const auto breaks = std::count(text.begin(), text.end(), '\n');
    return breaks == std::count(text.begin(), text.end(), '\r') ? static_cast<int>(breaks) + 1 : -1;
}

// Neighbouring numbers whose texts could trade places unnoticed: each says its own thing, in
// both languages.
TEST(MessageTable, EachNumberSaysItsOwnThingInBothLanguages) {
    // clang-format off
    const std::tuple<int, const char*, const char*> cases[] = {
        {5, "less", "Eksik darp"}, {6, "exceed", "Fazla darp"}, {16, "Exceed", "Fazla"},
        {17, "Match", "Tamam"}, {18, "Short", "Eksik"}, {19, "F", "K"}, {20, "M", "O"},
        {21, "P", "Z"}, {26, "name", "isim"}, {27, "No Sequence", "bölüm girilmemiş"},
        {28, "sequence name", "bölüm adında"}, {29, "usul nr", "usul numarası"},
        {30, "dash", "tire"}, {31, "beat nr", "halka"}, {32, "unit", "birim"},
        {33, "BpM is greater", "Metronom çok yüksek"}, {34, "BpM is less", "Metronom çok düşük"},
        {35, "greater-than sign", "metronom işareti"},
        {36, "Intro BpM is greater", "Giriş metronomu çok yüksek"},
        {37, "Intro BpM is less", "Giriş metronomu çok düşük"},
        {38, "Final BpM is greater", "Çıkış metronomu çok yüksek"},
        {39, "Final BpM is less", "Çıkış metronomu çok düşük"}};
    // clang-format on
    for (const auto& [index, english, turkish] : cases) {
        EXPECT_NE(MessageText(Language::English, index).find(english), std::string::npos) << index;
        EXPECT_NE(MessageText(Language::Turkish, index).find(turkish), std::string::npos) << index;
    }
    // The blanks centre a message in its box and are part of it.
    EXPECT_EQ(MessageText(Language::English, 1), "    Error loading usul.   ");
    EXPECT_EQ(MessageText(Language::Turkish, 2), "     Lutfen bu usule bir isim verin.    ");
}

TEST(MessageTable, EntriesAreFilledAsTheWindowExpects) {
    for (Language language : kBoth) {
        // Plan line messages end ready for the line number.
        for (int index = 28; index <= 39; ++index) {
            const std::string& text = MessageText(language, index);
            EXPECT_NE(text.find(language == Language::English ? "Line: " : "Satır: "),
                      std::string::npos);
            EXPECT_EQ(text.back(), ' ') << index;
        }
        const std::string& help = MessageText(language, kHelpMessage);
        EXPECT_TRUE(help.ends_with(":\r\n%1"));  // the guide's place on a line of its own
        EXPECT_EQ(help.find('@'), std::string::npos);
        EXPECT_EQ(CrLfLines(MessageText(language, kAboutMessage)), 6);
    }
    EXPECT_EQ(CrLfLines(ExampleDescriptionText(Language::English)), 13);
    EXPECT_EQ(CrLfLines(ExampleDescriptionText(Language::Turkish)), 14);
    for (int index : {kTimeSignatureRangeMessage, kRecordWriteFailedMessage,
                      kFolderHeldByEditorMessage, kFolderBusyMessage, kPlanFileMissingMessage,
                      kNotAPlanFileMessage, kPlanFileTooLargeMessage, kPlanFileUnreadableMessage}) {
        EXPECT_FALSE(MessageText(Language::English, index).empty());
        EXPECT_NE(MessageText(Language::English, index), MessageText(Language::Turkish, index));
    }
}

}  // namespace
}  // namespace ritmora
